'use strict';
// Scripts every browser runs in the page, as source text so that WebDriver can take them too.

// Whether the performance mark `arguments[0]` has been set.
const kHasMark = 'return performance.getEntriesByName(arguments[0], "mark").length > 0;';

// The CSS box of the largest canvas: the program's window.
const kWindowBox = `
  let best = null;
  for (const canvas of document.querySelectorAll("canvas")) {
    const box = canvas.getBoundingClientRect();
    if (!best || box.width * box.height > best.width * best.height) best = box;
  }
  return best && { x: best.x, y: best.y, width: best.width, height: best.height };`;

// The elements with an ARIA role, in document order, with what the page says of each: the role
// and the name it gives, its states, and whether it has the DOM focus.
const kRoleElements = `
  const nameOf = element => {
    const label = element.getAttribute("aria-label");
    if (label !== null) return label;
    const ids = element.getAttribute("aria-labelledby");
    if (ids) return ids.split(/\\s+/).map(id => document.getElementById(id)?.textContent ?? "").join(" ").trim();
    return element.textContent.trim();
  };
  const state = (element, name) => {
    const value = element.getAttribute(name);
    return value === null ? undefined : value === "true";
  };
  return [...document.querySelectorAll("[role]")].map(element => ({
    role: element.getAttribute("role"),
    name: nameOf(element),
    checked: state(element, "aria-checked"),
    selected: state(element, "aria-selected"),
    focused: document.activeElement === element,
  }));`;

module.exports = { kHasMark, kWindowBox, kRoleElements };
