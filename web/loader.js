// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the game in the page: checks that the browser can run it, downloads and compiles its
// WebAssembly half under a progress bar, then runs the program, whose windows Qt draws on a canvas
// that fills the page. When the player leaves the game, the page says so and offers another game.
'use strict';

(function () {
    const screen = document.getElementById('screen');
    const status = document.getElementById('status');
    const message = document.getElementById('message');
    const progress = document.getElementById('progress');
    const again = document.getElementById('again');
    // The program's name and the size of its WebAssembly half, written into the page when the site
    // is made: a server that compresses the file gives no length the bar could use.
    const program = document.body.dataset.program;
    const wasmBytes = Number(document.body.dataset.wasmBytes);

    function say(text, { busy = false, button = '' } = {}) {
        message.textContent = text;
        progress.hidden = !busy;
        again.hidden = !button;
        again.textContent = button;
        status.hidden = false;
        if (button)
            again.focus();
    }

    function stop(text) {
        screen.hidden = true;
        say(text, { button: 'Volver a intentarlo' });
    }

    again.addEventListener('click', () => location.reload());

    function hasWebGL() {
        const canvas = document.createElement('canvas');
        try {
            return Boolean(canvas.getContext('webgl2') || canvas.getContext('webgl'));
        } catch (error) {
            return false;
        }
    }

    // The program's JavaScript half, which defines createQtAppInstance.
    function loadScript(url) {
        return new Promise((resolve, reject) => {
            const script = document.createElement('script');
            script.src = url;
            script.onload = resolve;
            script.onerror = () => reject(new Error(url));
            document.head.appendChild(script);
        });
    }

    // Compiles the program while it downloads, where the browser can, moving the bar as it goes.
    async function download(url) {
        const response = await fetch(url);
        if (!response.ok)
            throw new Error(`${url}: ${response.status} ${response.statusText}`);
        let received = 0;
        const count = (chunk) => {
            received += chunk.byteLength;
            progress.value = Math.min(received / wasmBytes, 1);
            if (received >= wasmBytes)
                say('Preparando el juego…', { busy: true });
        };
        if (WebAssembly.compileStreaming && window.TransformStream) {
            const counted = response.body.pipeThrough(new TransformStream({
                transform(chunk, controller) {
                    count(chunk);
                    controller.enqueue(chunk);
                },
            }));
            // Said to be WebAssembly here, so a server that names it otherwise does no harm.
            return WebAssembly.compileStreaming(
                new Response(counted, { headers: { 'Content-Type': 'application/wasm' } }));
        }
        const reader = response.body.getReader();
        const chunks = [];
        for (;;) {
            const { done, value } = await reader.read();
            if (done)
                break;
            count(value);
            chunks.push(value);
        }
        return WebAssembly.compile(await new Blob(chunks).arrayBuffer());
    }

    function crashed() {
        stop('El juego se ha detenido por un error. Vuelve a cargar la página para seguir jugando.');
    }

    async function start() {
        if (typeof WebAssembly !== 'object') {
            say('Este navegador no puede abrir TELMARONDA: no tiene WebAssembly. ' +
                'Ábrelo con un navegador actual, como Firefox, Chrome, Edge o Safari.');
            return;
        }
        if (!hasWebGL()) {
            say('Este navegador no puede abrir TELMARONDA: no tiene WebGL, o lo tiene desactivado. ' +
                'Actívalo, o ábrelo con otro navegador.');
            return;
        }
        say('Descargando el juego…', { busy: true });
        let module;
        try {
            [module] = await Promise.all([download(`${program}.wasm`), loadScript(`${program}.js`)]);
        } catch (error) {
            console.error(error);
            stop('No se ha podido descargar el juego. Comprueba la conexión y vuelve a intentarlo.');
            return;
        }
        window.addEventListener('telmaronda-ended', () => {
            screen.hidden = true;
            say('Has salido de TELMARONDA.', { button: 'Jugar otra vez' });
        });
        createQtAppInstance({
            // Qt makes the screen a canvas inside this element, at the page's density.
            qtContainerElements: [screen],
            qtFontDpi: 96,
            instantiateWasm(imports, done) {
                WebAssembly.instantiate(module, imports).then((instance) => done(instance, module), crashed);
                return {};
            },
            // Emscripten says so just before the program starts.
            setStatus(text) {
                if (text.startsWith('Running'))
                    status.hidden = true;
            },
            onAbort: crashed,
            quit(code) {
                if (code !== 0)
                    crashed();
            },
        }).then((instance) => {
            started = true;
            telmarondaMirror.connect(instance);
            keepForOffline();
        });
    }

    // The service worker (worker.js) keeps the site's files so the game installs as an app and
    // plays offline. Browsers let a page have one only where it is served securely (https, or
    // this machine); elsewhere the game plays without. Registered once the game runs, so its
    // downloads wait for the page's own.
    let started = false;
    function keepForOffline() {
        if (!('serviceWorker' in navigator) || !window.isSecureContext)
            return;
        navigator.serviceWorker.register('worker.js').catch((error) => {
            console.warn('El juego no se guardará para jugar sin conexión:', error);
        });
    }
    // A new site's worker takes over as soon as it has the new files. Before the game runs, the
    // page starts again with them, rather than run a program half of one site, half of the other.
    if ('serviceWorker' in navigator && navigator.serviceWorker.controller) {
        navigator.serviceWorker.addEventListener('controllerchange', () => {
            if (!started)
                location.reload();
        });
    }

    start();
})();
