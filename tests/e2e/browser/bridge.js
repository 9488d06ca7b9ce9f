// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Browsers for a shell script: one command a line on stdin, fields apart by
// tabs, one answer a line on stdout, "ok<TAB>JSON" or "error<TAB>message".
//   launch NAME chromium|firefox WIDTH HEIGHT   goto NAME URL
//   eval NAME EXPRESSION   wait NAME EXPRESSION MS   shot NAME FILE
//   close NAME   status URL (an HTTP GET's status, 0 if none came)
"use strict";
const puppeteer = require("puppeteer-core");
const readline = require("readline");

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
        return (await browser.version());
    },
    goto: (name, url) => open[name].page.goto(url, { waitUntil: "load" }).then((r) => r.status()),
    eval: (name, expression) => open[name].page.evaluate(expression),
    wait: (name, expression, ms) =>
        open[name].page.waitForFunction(expression, { timeout: +ms, polling: 50 }).then(() => true),
    shot: (name, file) => open[name].page.screenshot({ path: file }).then(() => file),
    async close(name) {
        await open[name].browser.close();
        delete open[name];
    },
    status: (url) =>
        fetch(url, { signal: AbortSignal.timeout(3000) }).then((r) => r.status, () => 0),
};

// One at a time, in order: the script waits for each answer.
let queue = Promise.resolve();
readline.createInterface({ input: process.stdin }).on("line", (line) => {
    const [command, ...args] = line.split("\t");
    queue = queue
        .then(() => commands[command](...args))
        .then(
            (value) => console.log(`ok\t${JSON.stringify(value ?? null)}`),
            (e) => console.log(`error\t${String(e.message || e).split("\n")[0]}`),
        );
}).on("close", () => queue.then(() => Promise.all(Object.values(open).map((o) => o.browser.close()))));
