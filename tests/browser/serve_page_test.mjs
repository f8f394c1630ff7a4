// The live bench's page in headless Chromium: the aircraft's panel opens, the COM transfer button
// swaps the two frequencies on the canvas and the log shows the event, the airspeed set in the
// inspector moves the needle, a window button opens its window. Takes the screenshot README shows.
//
// Environment: GAUGEHOST (the program), PANEL_CONFIG, CHROMIUM, SCREENSHOT (the PNG to write);
// GAUGE_MODULE_PATH as for every bench test.
import { spawn } from "node:child_process";
import { createRequire } from "node:module";
import assert from "node:assert/strict";

const require = createRequire(import.meta.url);
let puppeteer;
try {
  puppeteer = require("puppeteer-core");
} catch {
  console.error("puppeteer-core is missing: run `npm ci` in tests/browser (tools/setup-debian.sh does)");
  process.exit(1);
}

const env = (name) => {
  if (!process.env[name]) { console.error(`${name} is not set`); process.exit(1); }
  return process.env[name];
};

// The bench on a free port; its first line names the address.
function startBench() {
  const bench = spawn(env("GAUGEHOST"), ["serve", env("PANEL_CONFIG"), "--port", "0"], { stdio: ["ignore", "pipe", "inherit"] });
  return new Promise((resolve, reject) => {
    let text = "";
    bench.stdout.on("data", (chunk) => {
      text += chunk;
      const address = /http:\/\/127\.0\.0\.1:\d+\//.exec(text);
      if (address) resolve({ bench, url: address[0] });
    });
    bench.on("exit", (code) => reject(new Error(`gaugehost serve ended with ${code}`)));
  });
}

const { bench, url } = await startBench();
const browser = await puppeteer.launch({
  executablePath: env("CHROMIUM"),
  headless: true,
  args: ["--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage"],
});

try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1560, height: 1150 });
  page.setDefaultTimeout(15000);
  page.on("pageerror", (error) => { throw error; });
  await page.goto(url);
  await page.waitForFunction(() => Number(document.getElementById("window-Window00")?.dataset.version) >= 1);
  // The clock stands still so that what is compared is what the user did.
  await page.click("#pause");
  await page.waitForFunction(() => document.getElementById("pause").textContent === "Run");

  const state = await page.evaluate(async () => (await fetch("/api/state")).json());
  const main = state.windows.find((w) => w.section === "Window00");
  const fuelSelector = `#window-${state.windows.find((w) => w.ident === "40").section}`;
  const gauge = (name) => main.gauges.find((g) => g.name === name);
  // A gauge's background point on the page.
  const onPage = async (placed, x, y) => {
    const box = await (await page.$("#window-Window00")).boundingBox();
    return { x: box.x + placed.x + (x + 0.5) * placed.width / placed.gaugeWidth,
             y: box.y + placed.y + (y + 0.5) * placed.height / placed.gaugeHeight };
  };
  // The canvas's RGBA bytes of a gauge's background box.
  const pixels = (placed, x, y, width, height) => page.evaluate((placed, x, y, width, height) => {
    const sx = placed.width / placed.gaugeWidth, sy = placed.height / placed.gaugeHeight;
    const context = document.getElementById("window-Window00").getContext("2d");
    const data = context.getImageData(Math.floor(placed.x + x * sx), Math.floor(placed.y + y * sy),
                                      Math.ceil(width * sx), Math.ceil(height * sy)).data;
    return Array.from(data);
  }, placed, x, y, width, height);
  const difference = (a, b) => a.reduce((sum, value, i) => sum + Math.abs(value - b[i]), 0);
  const version = () => page.$eval("#window-Window00", (canvas) => Number(canvas.dataset.version));
  // Runs cycles with the Step button until the canvas has been drawn anew.
  const stepAndRedraw = async (steps) => {
    const before = await version();
    for (let i = 0; i < steps; ++i) await page.click("#step");
    await page.waitForFunction((before) => Number(document.getElementById("window-Window00").dataset.version) > before, {}, before);
    await new Promise((resolve) => setTimeout(resolve, 300));  // the last steps' frame
  };

  // The COM transfer button: the log shows the swap and the two readouts trade places.
  const radio = gauge("VeskarZ3VRadios!RadioCom1Nav1Z3V");
  const active = () => pixels(radio, 25, 30, 80, 25), standby = () => pixels(radio, 110, 30, 80, 25);
  const [activeBefore, standbyBefore] = [await active(), await standby()];
  const button = await onPage(radio, 84 + 16, 75 + 12);
  await page.mouse.click(button.x, button.y);
  await page.waitForFunction(() => document.getElementById("log").textContent.includes("COM1_SWAP(1)"));
  await stepAndRedraw(6);
  const [activeAfter, standbyAfter] = [await active(), await standby()];
  assert.ok(difference(activeAfter, activeBefore) > 0, "the COM active readout changed");
  assert.ok(difference(activeAfter, standbyBefore) < difference(activeAfter, activeBefore), "the active readout shows the old standby");
  assert.ok(difference(standbyAfter, activeBefore) < difference(standbyAfter, standbyBefore), "the standby readout shows the old active");

  // The airspeed set in the inspector moves the needle.
  const asi = gauge("VeskarZ3VM!Asi");
  const dial = () => pixels(asi, 0, 0, asi.gaugeWidth, asi.gaugeHeight);
  const dialBefore = await dial();
  await page.type("#search", "INDICATED_AIRSPEED");
  const input = 'input[data-name="INDICATED_AIRSPEED"]';
  await page.waitForSelector(input, { visible: true });
  await page.click(input);
  await page.$eval(input, (field) => { field.value = ""; });
  await page.type(input, "120");
  await page.keyboard.press("Enter");
  await page.waitForFunction(() => document.getElementById("log").textContent.includes("set INDICATED_AIRSPEED 120"));
  await stepAndRedraw(1);
  assert.ok(difference(await dial(), dialBefore) > 0, "the airspeed needle moved");
  await page.waitForFunction((input) => document.querySelector(input).value === "120", {}, input);

  // A window button on the panel opens its window on the page.
  assert.equal(await page.$(fuelSelector), null, "the fuel selector window starts closed");
  const toggle = gauge("VeskarZ3V2!Toggle40");
  const toggleAt = await onPage(toggle, toggle.gaugeWidth / 2, toggle.gaugeHeight / 2);
  await page.mouse.click(toggleAt.x, toggleAt.y);
  await page.waitForFunction((selector) => Number(document.querySelector(selector)?.dataset.version) >= 1, {}, fuelSelector);
  await page.waitForFunction(() => document.getElementById("log").textContent.includes("toggle 40"));

  await page.click("#pause");  // running again, as a user finds it
  await page.screenshot({ path: env("SCREENSHOT") });
  console.log(`the page passed; screenshot in ${env("SCREENSHOT")}`);
} catch (error) {
  // What the page showed when it failed.
  const pages = await browser.pages();
  const page = pages[pages.length - 1];
  console.error("page error line:", await page.$eval("#error", (e) => e.textContent).catch(() => "?"));
  console.error("log tail:", await page.$eval("#log", (e) => e.textContent.slice(-600)).catch(() => "?"));
  await page.screenshot({ path: env("SCREENSHOT") }).catch(() => {});
  throw error;
} finally {
  await browser.close();
  bench.kill();
}
