#include "pictures.h"

// Placeholder until the picture catalogue lands: every picture is empty.
namespace Pictures {

QPixmap rightPicture(int)
{
    return {};
}
QPixmap wrongPicture()
{
    return {};
}
QPixmap decoration(int)
{
    return {};
}
QPixmap flag()
{
    return {};
}
QIcon closePicture()
{
    return {};
}
QCursor handCursor()
{
    return QCursor(Qt::PointingHandCursor);
}
QIcon applicationIcon()
{
    return {};
}

} // namespace Pictures
