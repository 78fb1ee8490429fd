// A window's accessibility tree mirrored as elements of the page: ARIA roles, names and
// states, each element laid over the place where the canvas shows its control, so that a
// screen reader reads the program and points at its controls as on any page. A screen
// reader's focus and activation go back to the program as events.
var LibraryLumivorMirror = {
  $LumivorMirror__deps: ['$LumivorEvents'],
  $LumivorMirror: {
    // By the toolkit's AccessibleRole: Window, PageTabList, PageTab, Pane, Graphic, StaticText,
    // CheckBox, Button. Static text is plain text in its element.
    roles: ['application', 'tablist', 'tab', 'group', 'img', null, 'checkbox', 'button'],
    staticText: 5,
    states: {focusable: 1, checkable: 2, checked: 4, selected: 8},
    tab: 2,
    elementStyle: 'position:absolute;margin:0;padding:0;border:0;box-sizing:border-box;overflow:hidden;' +
                  'outline:none;color:transparent;background:transparent;white-space:pre-wrap;font:12px sans-serif',
    mirrors: {},
    // The mirror being brought up to date, between begin and end.
    pass: null,
    // True while the program moves the page's focus itself, which is no screen reader's doing.
    focusing: false,

    of: function(id) {
      var mirror = LumivorMirror.mirrors[id];
      if (mirror) return mirror;
      var root = document.createElement('div');
      root.style.cssText = 'position:fixed;left:0;top:0;width:100%;height:100%;overflow:hidden;' +
                           'pointer-events:none;visibility:hidden';
      root.addEventListener('focusin', function(event) {
        var node = Number(event.target.dataset.node);
        if (LumivorMirror.focusing || !node) return;
        LumivorEvents.push(LumivorEvents.record(LumivorEvents.kind.accessibleFocus, {node: node}));
      });
      root.addEventListener('click', function(event) {
        var node = Number(event.target.dataset.node);
        if (!node) return;
        event.preventDefault();
        LumivorEvents.push(LumivorEvents.record(LumivorEvents.kind.accessibleClick, {node: node}));
      });
      document.body.appendChild(root);
      mirror = {root: root, elements: {}};
      LumivorMirror.mirrors[id] = mirror;
      return mirror;
    },
    show: function(id) { LumivorMirror.of(id).root.style.visibility = 'visible'; },
    remove: function(id) {
      var mirror = LumivorMirror.mirrors[id];
      if (!mirror) return;
      mirror.root.remove();
      delete LumivorMirror.mirrors[id];
    },
    setAttribute: function(element, name, value) {
      if (value === null) {
        element.removeAttribute(name);
      } else if (element.getAttribute(name) !== value) {
        element.setAttribute(name, value);
      }
    },
    element: function(mirror, node) {
      var element = mirror.elements[node];
      if (element) return element;
      element = document.createElement('div');
      element.dataset.node = node;
      element.style.cssText = LumivorMirror.elementStyle;
      mirror.elements[node] = element;
      return element;
    },
  },

  lumivor_mirror_begin__deps: ['$LumivorMirror'],
  lumivor_mirror_begin: function(id) {
    var mirror = LumivorMirror.of(id);
    LumivorMirror.pass = {mirror: mirror, seen: {}, origins: {0: {x: 0, y: 0}}, children: {0: []}};
  },

  lumivor_mirror_node__deps: ['$LumivorMirror'],
  lumivor_mirror_node: function(node, parent, role, name, length, x, y, width, height, states) {
    var pass = LumivorMirror.pass;
    var element = LumivorMirror.element(pass.mirror, node);
    var text = UTF8ToString(name, length);
    var set = LumivorMirror.setAttribute;
    set(element, 'role', LumivorMirror.roles[role]);
    if (role === LumivorMirror.staticText) {
      if (element.textContent !== text) element.textContent = text;
      set(element, 'aria-label', null);
    } else {
      set(element, 'aria-label', text ? text : null);
    }
    set(element, 'tabindex', states & LumivorMirror.states.focusable ? '-1' : null);
    set(element, 'aria-checked', states & LumivorMirror.states.checkable
        ? String((states & LumivorMirror.states.checked) !== 0) : null);
    set(element, 'aria-selected', role === LumivorMirror.tab
        ? String((states & LumivorMirror.states.selected) !== 0) : null);
    // Placed in its parent's element, whose own place is relative to the window.
    var origin = pass.origins[parent] || pass.origins[0];
    var place = [x - origin.x, y - origin.y, width, height].join(',');
    if (element.dataset.place !== place) {
      element.dataset.place = place;
      element.style.left = (x - origin.x) + 'px';
      element.style.top = (y - origin.y) + 'px';
      element.style.width = Math.max(width, 0) + 'px';
      element.style.height = Math.max(height, 0) + 'px';
    }
    pass.seen[node] = true;
    pass.origins[node] = {x: x, y: y};
    pass.children[node] = [];
    (pass.children[parent] || pass.children[0]).push(element);
  },

  lumivor_mirror_end__deps: ['$LumivorMirror'],
  lumivor_mirror_end: function(id, focused) {
    var pass = LumivorMirror.pass;
    var mirror = pass.mirror;
    LumivorMirror.pass = null;
    // Controls no longer in the tree leave the page; their elements are kept for their return.
    Object.keys(mirror.elements).forEach(function(node) {
      if (!pass.seen[node]) mirror.elements[node].remove();
    });
    Object.keys(pass.children).forEach(function(node) {
      var parent = Number(node) === 0 ? mirror.root : mirror.elements[node];
      pass.children[node].forEach(function(child, index) {
        if (parent.children[index] !== child) parent.insertBefore(child, parent.children[index] || null);
      });
    });
    var target = focused ? mirror.elements[focused] : null;
    if (target && document.activeElement !== target) {
      LumivorMirror.focusing = true;
      target.focus({preventScroll: true});
      LumivorMirror.focusing = false;
    }
  },
};

mergeInto(LibraryManager.library, LibraryLumivorMirror);
