// The browser view as a person uses it, in Debian's Chromium driven headless:
// install the Russian package, tap keys on the screen's keyboard, write
// "privet" with table 4, turn the keyboard's colours off on its options page,
// see a second tab follow, then replay the session's script with pocketsim.
//
// node journey.mjs POCKETSIM OUTPUT_FOLDER
import { spawn, spawnSync } from "node:child_process";
import { mkdirSync, writeFileSync } from "node:fs";
import { join, resolve } from "node:path";

let chromium;
try {
  ({ chromium } = await import("playwright-core"));
} catch (error) {
  console.error("playwright-core is missing: run \"npm ci\" in sim/tests/browser (./run.sh test does)");
  process.exit(1);
}

const [program, folder] = process.argv.slice(2);
if (!program || !folder) {
  console.error("usage: node journey.mjs POCKETSIM OUTPUT_FOLDER");
  process.exit(2);
}
const pocketsim = resolve(program);
const output = resolve(folder);
mkdirSync(output, { recursive: true });

const ZOOM = 2;
const STEP_TIMEOUT = 15000;

function check(holds, what) {
  if (!holds) throw new Error(`failed: ${what}`);
  console.log(`ok: ${what}`);
}

// Starts the server on a free port; resolves with its address.
function startServer() {
  const server = spawn(pocketsim, ["serve", "--port", "0"], { cwd: output, stdio: ["ignore", "pipe", "inherit"] });
  let printed = "";
  const address = new Promise((resolve, reject) => {
    server.stdout.on("data", (chunk) => {
      printed += chunk;
      const found = printed.match(/http:\/\/127\.0\.0\.1:\d+\//);
      if (found) resolve(found[0]);
    });
    server.on("exit", (code) => reject(new Error(`pocketsim serve ended early (${code}): ${printed}`)));
  });
  const ended = new Promise((resolve) => server.on("exit", (code, signal) => resolve({ code, signal, printed })));
  return { server, address, ended };
}

// The page's pixel over device pixel (X, Y), inside the screen's frame.
async function pagePoint(page, x, y) {
  const box = await page.locator("#screen").boundingBox();
  const border = await page.$eval("#screen", (screen) => (screen.offsetWidth - screen.clientWidth) / 2);
  return { x: box.x + border + x * ZOOM + ZOOM / 2, y: box.y + border + y * ZOOM + ZOOM / 2 };
}

async function tapDevice(page, x, y) {
  const point = await pagePoint(page, x, y);
  await page.mouse.click(point.x, point.y);
}

async function holdDevice(page, x, y, ms) {
  const point = await pagePoint(page, x, y);
  await page.mouse.move(point.x, point.y);
  await page.mouse.down();
  await page.waitForTimeout(ms);
  await page.mouse.up();
}

async function lastLines(page) {
  return page.$eval("#last", (last) => last.textContent);
}

// Waits until the newest action's output names LINE.
async function waitForAction(page, line) {
  await page.waitForFunction((expected) => document.getElementById("last").textContent.includes(`> ${expected}`),
                             line, { timeout: STEP_TIMEOUT });
}

async function waitForText(page, text) {
  await page.waitForFunction((expected) => document.getElementById("text").textContent === expected, text,
                             { timeout: STEP_TIMEOUT });
}

async function choose(page, method) {
  await page.selectOption("#input-method", method);
  await page.click("#choose-method");
  await waitForAction(page, `im select ${method}`);
}

async function journey(page, address) {
  await page.goto(address);
  await page.waitForFunction(() => document.getElementById("screen").src.startsWith("data:image/png"));
  check(true, "the page shows the device's screen");

  await page.selectOption("#package", "russian");
  await page.click("#install");
  const yes = page.locator('#waiting-buttons button[data-answer="yes"]');
  await yes.waitFor({ timeout: STEP_TIMEOUT });
  check((await page.textContent("#waiting-text")).includes("restart your device"), "installing asks to restart");
  await yes.click();
  await page.locator("#waiting").waitFor({ state: "hidden", timeout: STEP_TIMEOUT });
  check((await lastLines(page)).includes("installed"), "the package is installed");
  await page.click("#restart");
  await waitForAction(page, "device restart");

  // h, e and i on the Finnish panel, by their place on the screen.
  await choose(page, "finkeys");
  for (const [x, y] of [[123, 254], [72, 238], [163, 238]]) await tapDevice(page, x, y);
  await waitForText(page, "hei");
  check(true, "taps on the keyboard's keys type \"hei\"");

  // A key held down repeats as the device's clock follows the page's.
  await holdDevice(page, 123, 254, 1500);
  await page.waitForFunction(() => /^heih{3,}$/.test(document.getElementById("text").textContent), null,
                             { timeout: STEP_TIMEOUT });
  check(true, `a key held for 1.5 s repeats: "${await page.textContent("#text")}"`);

  await page.click("#text-clear");
  await waitForText(page, "");
  await choose(page, "qvpen");
  await page.fill("#table", "4");
  await page.click("#choose-table");
  await waitForAction(page, "translit select 4");
  await page.fill("#writing", "privet");
  await page.click("#write");
  await waitForText(page, "привет");
  check(true, "\"privet\" written with table 4 reads \"привет\"");

  await choose(page, "finkeys");
  await page.click("#options");
  await page.waitForFunction(() => document.getElementById("waiting-text").textContent.includes("Use colored keyboard"),
                             null, { timeout: STEP_TIMEOUT });
  await tapDevice(page, 60, 26 + 158);
  await page.waitForFunction(
    () => /"Use colored keyboard" enabled unchecked/.test(document.getElementById("waiting-text").textContent), null,
    { timeout: STEP_TIMEOUT });
  check(true, "a tap on \"Use colored keyboard\" clears it");
  await page.click('#waiting-buttons button[data-answer="ok"]');
  await page.locator("#waiting").waitFor({ state: "hidden", timeout: STEP_TIMEOUT });
  await page.screenshot({ path: join(output, "browser-view.png") });
  check(true, `the page is in ${join(output, "browser-view.png")}`);
}

// A second tab shows the same device and follows the first one's actions.
async function secondTab(context, first) {
  const second = await context.newPage();
  await second.goto(first.url());
  await second.waitForFunction(() => document.getElementById("screen").src.startsWith("data:image/png"));
  check((await second.textContent("#text")) === (await first.textContent("#text")), "a second tab shows the same text");
  await first.click("#text-clear");
  await waitForText(second, "");
  check(true, "the second tab follows the first one's action");
  await second.close();
}

// The session's script replays on a fresh device with pocketsim run.
async function replay(page) {
  const response = await page.request.get(new URL("/api/script", page.url()).href);
  const script = await response.text();
  const file = join(output, "browser-session.txt");
  writeFileSync(file, script + "text expect \"\"\n");
  check(script.indexOf("msgbox answer yes") < script.indexOf("install russian"),
        "the script answers the restart question before installing");
  const run = spawnSync(pocketsim, ["run", file], { cwd: output, encoding: "utf8" });
  if (run.status !== 0) console.error(run.stdout, run.stderr);
  check(run.status === 0, `pocketsim run replays the session (${file})`);
}

async function main() {
  const { server, address, ended } = startServer();
  const url = await address;
  const browser = await chromium.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    args: ["--no-sandbox"],
  });
  let failed = false;
  const context = await browser.newContext({ viewport: { width: 1400, height: 1000 } });
  const page = await context.newPage();
  try {
    await journey(page, url);
    await secondTab(context, page);
    await replay(page);
  } catch (error) {
    console.error(error.message);
    await page.screenshot({ path: join(output, "browser-failure.png") });
    console.error(`the page as it was: ${join(output, "browser-failure.png")}`);
    failed = true;
  } finally {
    await browser.close();
    server.kill("SIGINT");
  }
  const end = await ended;
  check(end.code === 0 && end.printed.includes("stopped"), "Ctrl-C stops the server cleanly");
  process.exit(failed ? 1 : 0);
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
