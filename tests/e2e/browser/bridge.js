// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Browsers for a shell script: a command a line on stdin, its fields apart by
// tabs (see `commands`), an answer a line, "ok<TAB>JSON" or "error<TAB>why".
"use strict";
const puppeteer = require("puppeteer-core");

const Browsers = {
    chromium: { browser: "chrome", executablePath: "/usr/bin/chromium", args: ["--no-sandbox"] },
    firefox: { browser: "firefox", executablePath: "/usr/bin/firefox-esr" },
};
const open = {};
const commands = {
    async launch(name, kind, width, height) {
        const browser = await puppeteer.launch({ ...Browsers[kind], headless: true });
        const page = (await browser.pages())[0] || (await browser.newPage());
        await page.setViewport({ width: +width, height: +height });
        open[name] = { browser, page };
        return browser.version();
    },
    goto: (name, url) => open[name].page.goto(url).then((r) => r.status()),
    // An expression's value; an error where it is falsy, as a check not met.
    eval: (name, expression) =>
        open[name].page.evaluate(expression).then((v) => v || Promise.reject(new Error(`falsy: ${JSON.stringify(v)}`))),
    wait: (name, expression, ms) =>
        open[name].page.waitForFunction(expression, { timeout: +ms, polling: 50 }).then(() => true),
    view: (name, width, height) => open[name].page.setViewport({ width: +width, height: +height }),
    shot: (name, file) => open[name].page.screenshot({ path: file }).then(() => file),
    // An HTTP GET's status, 0 where none came.
    status: (url) => fetch(url, { signal: AbortSignal.timeout(3000) }).then((r) => r.status, () => 0),
};

// One at a time, in order: the script waits for each answer.
let queue = Promise.resolve();
require("readline").createInterface({ input: process.stdin }).on("line", (line) => {
    const [command, ...args] = line.split("\t");
    queue = queue.then(() => commands[command](...args)).then(
        (value) => console.log(`ok\t${JSON.stringify(value ?? null)}`),
        (e) => console.log(`error\t${String(e.message || e).split("\n")[0]}`),
    );
}).on("close", () => queue.then(() => Promise.all(Object.values(open).map((o) => o.browser.close()))));
