// The browser view's page: the device's screen, the mouse as its pen, and
// buttons for what a person does with the package. Every action goes to the
// server one at a time, and each answer is the device as the action left it.
"use strict";

const SCREEN_WIDTH = 240;
const SCREEN_HEIGHT = 320;
// While the pen is held still, the device's clock is kept in step this often,
// so that a held key repeats as the person watches.
const HOLD_TICK_MS = 250;

const page = {
  version: 0,
  zoom: 2,
  inputMethod: "",
  queue: [],
  sending: false,
  pen: { down: false, x: -1, y: -1, lastEvent: null, holdTimer: null },
};

const $ = (id) => document.getElementById(id);

function showStatus(text) {
  $("status").textContent = text;
}

function render(view) {
  if (!view || view.version <= page.version) return;
  page.version = view.version;
  $("screen").src = view.screen;
  $("text").textContent = view.text;
  $("events").textContent = view.events;
  $("events").scrollTop = $("events").scrollHeight;
  $("clock").textContent = `${view.clock} ms`;
  // The choice follows the device only when the device changed it.
  if (view.inputMethod !== page.inputMethod) $("input-method").value = page.inputMethod = view.inputMethod;
  const last = view.last || { lines: [], output: "", error: "" };
  $("last").textContent = [last.output, last.error].filter((part) => part).join("\n");
  showStatus(last.error);
  renderWaiting(view.waiting);
}

function renderWaiting(waiting) {
  $("waiting").hidden = !waiting;
  if (!waiting) return;
  const message = waiting.kind === "message box";
  $("waiting-kind").textContent = message ? "A message box waits" : "A dialog is shown";
  $("waiting-caption").textContent = waiting.caption;
  $("waiting-text").textContent = message ? waiting.text : waiting.controls;
  $("waiting-text").classList.toggle("message", message);
  const buttons = $("waiting-buttons");
  buttons.replaceChildren();
  for (const name of waiting.buttons) {
    const button = document.createElement("button");
    button.textContent = name;
    button.dataset.answer = name;
    button.addEventListener("click", () =>
      enqueue(message ? { action: "answer", answer: name } : { action: "dialog", button: name }));
    buttons.append(button);
  }
}

// Consecutive moves of the pen merge: only where it went matters, and the
// time it took.
function enqueue(action) {
  const last = page.queue[page.queue.length - 1];
  if (last && action.action === "pen" && action.phase === "move" && last.action === "pen" && last.phase === "move") {
    last.x = action.x;
    last.y = action.y;
    last.waited += action.waited;
  } else {
    page.queue.push(action);
  }
  sendNext();
}

async function sendNext() {
  if (page.sending || page.queue.length === 0) return;
  page.sending = true;
  document.body.classList.add("busy");
  const action = page.queue.shift();
  try {
    const response = await fetch("/api/action", {
      method: "POST",
      headers: { "Content-Type": "application/json" },
      body: JSON.stringify(action),
    });
    const body = await response.json();
    if (response.ok) render(body);
    else showStatus(`${response.status}: ${body.error}`);
  } catch (error) {
    showStatus(`the server did not answer: ${error.message}`);
  }
  page.sending = false;
  document.body.classList.toggle("busy", page.queue.length > 0);
  sendNext();
}

// Another tab's actions show here too: one request waits for each change.
async function watchChanges() {
  for (;;) {
    try {
      const response = await fetch(`/api/changes?since=${page.version}`);
      if (response.status === 200) render(await response.json());
      else if (response.status !== 204) await pause(2000);
    } catch (error) {
      await pause(2000);
    }
  }
}

function pause(ms) {
  return new Promise((resolve) => setTimeout(resolve, ms));
}

// The device pixel under the mouse, kept on the screen.
function screenPoint(event) {
  const box = $("screen").getBoundingClientRect();
  const border = ($("screen").offsetWidth - $("screen").clientWidth) / 2;
  const x = Math.floor((event.clientX - box.left - border) / page.zoom);
  const y = Math.floor((event.clientY - box.top - border) / page.zoom);
  return { x: Math.min(Math.max(x, 0), SCREEN_WIDTH - 1), y: Math.min(Math.max(y, 0), SCREEN_HEIGHT - 1) };
}

function sincePenEvent(now) {
  const waited = page.pen.lastEvent === null ? 0 : Math.round(now - page.pen.lastEvent);
  page.pen.lastEvent = now;
  return waited;
}

function penEvent(phase, event) {
  const point = screenPoint(event);
  if (phase === "move" && point.x === page.pen.x && point.y === page.pen.y) return;
  page.pen.x = point.x;
  page.pen.y = point.y;
  enqueue({ action: "pen", phase, x: point.x, y: point.y, waited: sincePenEvent(event.timeStamp) });
  restartHoldTimer();
}

function restartHoldTimer() {
  clearTimeout(page.pen.holdTimer);
  if (!page.pen.down) return;
  page.pen.holdTimer = setTimeout(() => {
    const waited = sincePenEvent(performance.now());
    if (waited > 0) enqueue({ action: "hold", waited });
    restartHoldTimer();
  }, HOLD_TICK_MS);
}

function wireScreen() {
  const screen = $("screen");
  screen.addEventListener("pointerdown", (event) => {
    if (event.button !== 0 || page.pen.down) return;
    event.preventDefault();
    screen.setPointerCapture(event.pointerId);
    page.pen.down = true;
    penEvent("down", event);
  });
  screen.addEventListener("pointermove", (event) => {
    if (page.pen.down) penEvent("move", event);
  });
  const lift = (event) => {
    if (!page.pen.down) return;
    page.pen.down = false;
    penEvent("up", event);
  };
  screen.addEventListener("pointerup", lift);
  screen.addEventListener("pointercancel", lift);
}

function setZoom(zoom) {
  page.zoom = zoom;
  $("screen").width = SCREEN_WIDTH * zoom;
  $("screen").height = SCREEN_HEIGHT * zoom;
}

function wireControls() {
  const on = (id, action) => $(id).addEventListener("click", () => enqueue(action()));
  on("install", () => ({ action: "install", package: $("package").value }));
  on("remove", () => ({ action: "remove" }));
  on("restart", () => ({ action: "restart" }));
  on("choose-method", () => ({ action: "input-method", name: $("input-method").value }));
  on("choose-table", () => ({ action: "table", number: Number($("table").value) }));
  on("show-panel", () => ({ action: "panel", shown: true }));
  on("hide-panel", () => ({ action: "panel", shown: false }));
  on("options", () => ({ action: "options" }));
  on("write", () => ({ action: "write", text: $("writing").value }));
  on("write-backspace", () => ({ action: "write-backspace" }));
  on("advance-clock", () => ({ action: "clock", ms: Number($("advance").value) }));
  on("text-clear", () => ({ action: "text-clear" }));
  on("events-clear", () => ({ action: "events-clear" }));
  $("writing").addEventListener("keydown", (event) => {
    if (event.key === "Enter") $("write").click();
  });
  $("zoom").addEventListener("change", () => setZoom(Number($("zoom").value)));
}

async function start() {
  setZoom(Number($("zoom").value));
  wireScreen();
  wireControls();
  const response = await fetch("/api/view");
  render(await response.json());
  watchChanges();
}

start();
