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

// What a screen reader finds in the page, in document order: every shown element with an ARIA
// role, with the role and the name the page gives it, its states and whether it has the DOM
// focus; and every shown text outside such elements' names, as the role "text". Each comes with
// its element's place among all of the document's, and with the element itself when
// `arguments[0]` is true.
const kAccessibleElements = `
  const all = [...document.querySelectorAll("*")];
  const shown = element => !element.checkVisibility || element.checkVisibility({ visibilityProperty: true });
  const ownText = element => [...element.childNodes]
    .filter(node => node.nodeType === Node.TEXT_NODE).map(node => node.data).join("").trim();
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
  const inRoleElement = element => element.parentElement?.closest("[role]:not([role=application]):not([role=group]):not([role=tablist])");
  const found = [];
  for (const element of document.body.querySelectorAll("*")) {
    if (!shown(element) || ["SCRIPT", "STYLE", "NOSCRIPT", "TEMPLATE"].includes(element.tagName)) continue;
    const base = { index: all.indexOf(element), focused: document.activeElement === element };
    if (arguments[0]) base.element = element;
    if (element.hasAttribute("role")) {
      found.push({ ...base, role: element.getAttribute("role"), name: nameOf(element),
                   checked: state(element, "aria-checked"), selected: state(element, "aria-selected") });
    } else if (ownText(element) !== "" && !inRoleElement(element)) {
      found.push({ ...base, role: "text", name: ownText(element) });
    }
  }
  return found;`;

module.exports = { kHasMark, kWindowBox, kAccessibleElements };
