// SPDX-License-Identifier: GPL-3.0-or-later
// The page's side of the game's mirrored controls (ui/mirror_wasm.cpp): a form, hidden to sight,
// with a real control laid over each control of the game's windows, which screen readers read and
// which opens a phone's keyboard; a live region for what the game announces; and touches handed to
// the game as the mouse, which is the only pointer Qt's browser platform fully understands.
'use strict';

window.telmarondaMirror = (function () {
    const form = document.getElementById('mirror');
    const said = document.getElementById('said');
    const screen = document.getElementById('screen');
    const windows = new Map();
    const controls = new Map();
    // The running program, once it is.
    let program = null;
    // A finger is on the canvas: the control the game gives the focus to then is given the page's
    // focus as the finger lifts, which is when every phone browser lets a page open its keyboard.
    let touching = false;
    let wanted = null;
    // Where the finger was last, and the control the game last gave the focus to.
    let finger = null;
    let current = null;

    // Keys the game acts on that a field would not pass on as text.
    const forwarded = new Set(['Enter', 'Escape', 'Tab', 'ArrowUp', 'ArrowDown', 'Alt']);

    function give(control, selected) {
        if (document.activeElement !== control)
            control.focus({ preventScroll: true });
        if (selected)
            control.select();
    }

    function place(element, [left, top, width, height]) {
        Object.assign(element.style, {
            left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px`,
        });
    }

    // What the field holds goes to the game; the field then holds what the game's box does.
    function send(field) {
        if (!program || field.composing)
            return;
        const now = program.mirrorTyped(field.mirrorId, field.value);
        if (field.value !== now)
            field.value = now;
    }

    function keys(control) {
        for (const type of ['keydown', 'keyup']) {
            control.addEventListener(type, (event) => {
                if (!program || event.isComposing || !forwarded.has(event.key))
                    return;
                event.preventDefault();
                program.mirrorKey(event.key, event.shiftKey, type === 'keydown');
            });
        }
    }

    function makeText(control) {
        const field = document.createElement('input');
        Object.assign(field, { type: 'text', autocomplete: 'off', spellcheck: false,
                               value: control.value, composing: false });
        field.setAttribute('autocapitalize', 'characters');
        field.setAttribute('autocorrect', 'off');
        field.setAttribute('enterkeyhint', 'next');
        field.addEventListener('compositionstart', () => { field.composing = true; });
        field.addEventListener('compositionend', () => {
            field.composing = false;
            send(field);
        });
        field.addEventListener('input', (event) => {
            if (!event.isComposing)
                send(field);
        });
        keys(field);
        return field;
    }

    function makeBox(control) {
        const box = document.createElement('input');
        box.type = 'checkbox';
        box.checked = control.checked;
        // The game ticks its own box; this one then shows what the game's shows.
        box.addEventListener('click', () => {
            if (program)
                program.mirrorPressed(box.mirrorId);
        });
        keys(box);
        return box;
    }

    function makeButton(control) {
        const button = document.createElement('button');
        button.type = 'button';
        button.textContent = control.name;
        button.addEventListener('click', () => {
            if (program)
                program.mirrorPressed(button.mirrorId);
        });
        return button;
    }

    const makers = { text: makeText, box: makeBox, button: makeButton };

    function name(control, label, description) {
        control.setAttribute('aria-label', label);
        if (description)
            control.setAttribute('aria-description', description);
        else
            control.removeAttribute('aria-description');
    }

    // Touches reach the game as the mouse: so a tap activates a window, a finger drags a title
    // bar, and what refuses the mouse refuses a finger too.
    function asMouse(event) {
        const canvas = event.target;
        if (event.pointerType === 'mouse' || !event.isTrusted || !event.isPrimary
            || canvas.tagName !== 'CANVAS')
            return;
        event.stopPropagation();
        const cancelled = event.type === 'pointercancel';
        if (event.type === 'pointerdown')
            touching = true;
        finger = [event.clientX, event.clientY];
        canvas.dispatchEvent(new PointerEvent(cancelled ? 'pointerup' : event.type, {
            bubbles: event.bubbles, cancelable: true, composed: true, pointerId: event.pointerId,
            pointerType: 'mouse', isPrimary: true, clientX: event.clientX, clientY: event.clientY,
            screenX: event.screenX, screenY: event.screenY, button: cancelled ? 0 : event.button,
            buttons: cancelled ? 0 : event.buttons, shiftKey: event.shiftKey,
            ctrlKey: event.ctrlKey, altKey: event.altKey, metaKey: event.metaKey,
        }));
        if (event.type === 'pointerup' || cancelled)
            lifted();
    }

    function lifted() {
        touching = false;
        // A tap on the control that has the game's focus already.
        const control = controls.get(current);
        if (!wanted && control && finger) {
            const box = control.getBoundingClientRect();
            if (finger[0] >= box.left && finger[0] < box.right && finger[1] >= box.top
                && finger[1] < box.bottom)
                wanted = { control, selected: false };
        }
        finger = null;
        if (wanted) {
            give(wanted.control, wanted.selected);
            wanted = null;
        }
    }

    // Tab on the canvas moves the game's focus as it always has, and the page's focus into the
    // form with it, where a screen reader can follow it from control to control.
    screen.addEventListener('keydown', (event) => {
        const control = controls.get(current);
        if (event.key !== 'Tab' || event.altKey || event.ctrlKey || event.metaKey || !program
            || !control || event.target.tagName !== 'CANVAS')
            return;
        event.stopPropagation();
        event.preventDefault();
        program.mirrorKey('Tab', event.shiftKey, true);
        give(controls.get(current) || control, false);
    }, true);

    for (const type of ['pointerdown', 'pointermove', 'pointerup', 'pointercancel',
                        'pointerenter', 'pointerleave'])
        screen.addEventListener(type, asMouse, true);
    // Qt's own touch handling would take the same touch a second time.
    for (const type of ['touchstart', 'touchmove', 'touchend', 'touchcancel']) {
        screen.addEventListener(type, (event) => {
            if (event.target.tagName !== 'CANVAS')
                return;
            event.stopPropagation();
            if (type === 'touchend') {
                // No mouse events after it, whose press would take the focus to the canvas.
                if (event.cancelable)
                    event.preventDefault();
                lifted();
            }
        }, { capture: true, passive: false });
    }

    return {
        connect(instance) {
            program = instance;
        },

        open(id, title, list, blocked) {
            const group = document.createElement('div');
            group.setAttribute('role', 'group');
            group.setAttribute('aria-label', title);
            group.inert = blocked;
            for (const control of list) {
                const element = makers[control.kind](control);
                element.mirrorId = control.id;
                name(element, control.name, control.description);
                place(element, control.box);
                element.addEventListener('focus', () => {
                    if (program)
                        program.mirrorFocused(control.id);
                });
                controls.set(control.id, element);
                group.appendChild(element);
            }
            windows.set(id, group);
            form.appendChild(group);
        },

        close(id) {
            const group = windows.get(id);
            if (!group)
                return;
            for (const element of group.children)
                controls.delete(element.mirrorId);
            if (wanted && group.contains(wanted.control))
                wanted = null;
            group.remove();
            windows.delete(id);
        },

        place(id, left, top) {
            const group = windows.get(id);
            if (group)
                Object.assign(group.style, { left: `${left}px`, top: `${top}px` });
        },

        blocked(id, blocked) {
            const group = windows.get(id);
            if (group)
                group.inert = blocked;
        },

        // The game's focus moved: the page's follows while it is in the form, or a finger is down.
        focus(id, selected) {
            const control = controls.get(id);
            if (!control)
                return;
            current = id;
            if (touching)
                wanted = { control, selected };
            else if (form.contains(document.activeElement))
                give(control, selected);
        },

        value(id, text) {
            const field = controls.get(id);
            if (field && !field.composing && field.value !== text)
                field.value = text;
        },

        checked(id, checked) {
            const box = controls.get(id);
            if (box)
                box.checked = checked;
        },

        named(id, label, description) {
            const control = controls.get(id);
            if (!control)
                return;
            name(control, label, description);
            if (control.tagName === 'BUTTON')
                control.textContent = label;
        },

        // A new paragraph each time, so that the same words said twice are read out twice.
        say(text) {
            const words = document.createElement('p');
            words.textContent = text;
            said.replaceChildren(words);
        },
    };
})();
