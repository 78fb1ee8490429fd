'use strict';
// The pace of a stroke, the same for every browser: the pointer moves in even steps of about
// 20 ms spread over the stroke's duration (a single jump when it is shorter), as a hand does and as
// the desktop tests move the X pointer.

const kStepMs = 20;

function sleep(ms) {
  return new Promise(resolve => setTimeout(resolve, ms));
}

// The points after `from` on the way to `to`, and the pause before each.
function strokeSteps(from, to, durationMs) {
  const count = Math.max(1, Math.floor(durationMs / kStepMs));
  const steps = [];
  for (let step = 1; step <= count; ++step) {
    steps.push({
      x: Math.round(from[0] + ((to[0] - from[0]) * step) / count),
      y: Math.round(from[1] + ((to[1] - from[1]) * step) / count),
      pauseMs: durationMs / count,
    });
  }
  return steps;
}

// Calls `poll` until it gives a truthy value, which it returns; throws `failure` after `timeoutMs`.
async function waitFor(poll, timeoutMs, failure) {
  const deadline = Date.now() + timeoutMs;
  for (;;) {
    const value = await poll();
    if (value) return value;
    if (Date.now() >= deadline) throw new Error(failure);
    await sleep(50);
  }
}

module.exports = { sleep, strokeSteps, waitFor };
