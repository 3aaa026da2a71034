# SPDX-License-Identifier: GPL-3.0-or-later
# What of Qt the game never uses, left out of the static Qts it is built with (Qt's own feature
# switches, Qt's "Qt Lite" way). Sourced by tools/<platform>/build-qt.sh, which adds them to Qt's
# configure options. What each saves was measured in the browser build's WebAssembly (README,
# "What the browser build leaves out of Qt"); leaving out a feature the game needs fails the build
# or one of the tests that play it.
game_cuts=(
    # Widgets: only windows, menus, labels, line edits, check boxes, buttons and message boxes show.
    -no-feature-style-stylesheet -no-feature-graphicsview -no-feature-graphicseffect
    -no-feature-filedialog -no-feature-fontdialog -no-feature-colordialog
    -no-feature-progressdialog -no-feature-errormessage -no-feature-wizard
    -no-feature-calendarwidget -no-feature-datetimeedit -no-feature-mdiarea -no-feature-dockwidget
    -no-feature-toolbox -no-feature-tabwidget -no-feature-splitter -no-feature-splashscreen
    -no-feature-lcdnumber -no-feature-dial -no-feature-keysequenceedit -no-feature-undoview
    -no-feature-columnview -no-feature-treewidget -no-feature-tablewidget -no-feature-listwidget
    -no-feature-datawidgetmapper -no-feature-fscompleter
    -no-feature-completer -no-feature-textbrowser -no-feature-syntaxhighlighter
    -no-feature-commandlinkbutton -no-feature-fontcombobox -no-feature-effects
    # Text: neither Markdown nor OpenDocument is read or written.
    -no-feature-textmarkdownreader -no-feature-textmarkdownwriter -no-feature-textodfwriter
    # Nothing is saved, undone, dated or looked up by type; no gestures, tray or PDF.
    -no-feature-mimetype-database -no-feature-xmlstream -no-feature-undocommand -no-feature-gestures
    -no-feature-systemtrayicon -no-feature-pdf -no-feature-movie -no-feature-imageformat_ppm
    -no-feature-jalalicalendar -no-feature-hijricalendar -no-feature-islamiccivilcalendar
    -no-feature-timezone -no-feature-sessionmanager
    # The smaller of Qt's two SHA-3s.
    -no-feature-sha3-fast
)
# What Windows' own style asks for by name, so that only the browser, whose style is Fusion, goes
# without it.
fusion_only_cuts=(
    -no-feature-style-windows -no-feature-inputdialog -no-feature-combobox
    -no-feature-standarditemmodel -no-feature-treeview -no-feature-tableview
)
