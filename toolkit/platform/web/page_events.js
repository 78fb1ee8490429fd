// The page's events, queued for the program. Listeners never call into the program: it takes
// the events off the queue in its own loop, and waits here for the next one between rounds.
// The numbers are those of toolkit/platform/web/page_events.h.
var LibraryLumivorEvents = {
  $LumivorEvents: {
    kind: {resize: 1, pointerDown: 2, pointerMove: 3, pointerUp: 4, pointerCancel: 5, pointerLeave: 6,
           keyDown: 7, activated: 8, deactivated: 9, accessibleFocus: 10, accessibleClick: 11},
    pointerKinds: {mouse: 0, touch: 1, pen: 2},
    // Keys whose default action would scroll the page or move the browser's focus away from
    // the program, which has a use of its own for each of them.
    ownKeys: ['Tab', 'Enter', ' ', 'Spacebar', 'ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown', 'Left', 'Right',
              'Up', 'Down'],
    queue: [],
    wakeUp: null,
    timeout: 0,
    pageAttached: false,
    channel: null,

    push: function(record) {
      LumivorEvents.queue.push(record);
      LumivorEvents.wake();
    },
    record: function(kind, fields) {
      var record = {kind: kind, pointer: 0, pointerId: 0, buttons: 0, modifiers: 0, node: 0, x: 0, y: 0,
                    time: performance.now(), ratio: 1, key: ''};
      return Object.assign(record, fields);
    },
    wake: function() {
      var wakeUp = LumivorEvents.wakeUp;
      if (!wakeUp) return;
      LumivorEvents.wakeUp = null;
      clearTimeout(LumivorEvents.timeout);
      wakeUp();
    },
    // Lets the browser run its own tasks (painting, input) once, then goes on.
    yieldThen: function(wakeUp) {
      if (!LumivorEvents.channel) {
        LumivorEvents.channel = new MessageChannel();
        LumivorEvents.channel.port1.onmessage = function() { LumivorEvents.wake(); };
      }
      LumivorEvents.wakeUp = wakeUp;
      LumivorEvents.channel.port2.postMessage(0);
    },
    modifiers: function(event) {
      return (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0);
    },
    pushPointer: function(kind, event, source) {
      LumivorEvents.push(LumivorEvents.record(kind, {
        pointer: LumivorEvents.pointerKinds[event.pointerType] || 0,
        pointerId: event.pointerId,
        buttons: event.buttons,
        x: (source || event).clientX,
        y: (source || event).clientY,
        time: (source || event).timeStamp,
      }));
    },
    pushViewport: function() {
      LumivorEvents.push(LumivorEvents.record(LumivorEvents.kind.resize,
          {x: window.innerWidth, y: window.innerHeight, ratio: window.devicePixelRatio || 1}));
    },
    // A change of the device pixel ratio alone (a window moved to another screen) is no resize.
    watchPixelRatio: function() {
      var query = window.matchMedia('(resolution: ' + (window.devicePixelRatio || 1) + 'dppx)');
      var changed = function() {
        query.removeEventListener('change', changed);
        LumivorEvents.pushViewport();
        LumivorEvents.watchPixelRatio();
      };
      query.addEventListener('change', changed);
    },
    attachPage: function() {
      if (LumivorEvents.pageAttached) return;
      LumivorEvents.pageAttached = true;
      var kind = LumivorEvents.kind;
      window.addEventListener('resize', LumivorEvents.pushViewport);
      LumivorEvents.watchPixelRatio();
      window.addEventListener('keydown', function(event) {
        if (event.isComposing) return;
        // WebKitGTK names Tab pressed with Shift "Unidentified" (the system sends it as a key of its
        // own, ISO_Left_Tab); its code still names the Tab key.
        var key = event.key === 'Unidentified' && event.code === 'Tab' ? 'Tab' : event.key;
        if (!event.altKey && !event.metaKey && LumivorEvents.ownKeys.indexOf(key) >= 0) event.preventDefault();
        LumivorEvents.push(LumivorEvents.record(kind.keyDown,
            {key: key, modifiers: LumivorEvents.modifiers(event), time: event.timeStamp}));
      });
      window.addEventListener('focus', function() { LumivorEvents.push(LumivorEvents.record(kind.activated)); });
      window.addEventListener('blur', function() { LumivorEvents.push(LumivorEvents.record(kind.deactivated)); });
    },
    attachCanvas: function(canvas) {
      var kind = LumivorEvents.kind;
      // The pointers whose end has been reported. The capture goes at every pointer's end; taken
      // away before, by the browser or the page, the pointer is as good as cancelled, and it
      // reports no end of its own.
      var ended = {};
      canvas.addEventListener('pointerdown', function(event) {
        // No text selection, no focus taken from the program's own, no mouse events made up.
        event.preventDefault();
        delete ended[event.pointerId];
        // Every move and the release reach the window wherever the pointer goes.
        try { canvas.setPointerCapture(event.pointerId); } catch (notActive) {}
        LumivorEvents.pushPointer(kind.pointerDown, event);
      });
      canvas.addEventListener('pointermove', function(event) {
        // The browser may merge the moves of one frame; a stroke wants every one of them.
        var moves = event.getCoalescedEvents ? event.getCoalescedEvents() : [];
        if (moves.length === 0) moves = [event];
        for (var i = 0; i < moves.length; ++i) LumivorEvents.pushPointer(kind.pointerMove, event, moves[i]);
      });
      var end = function(endKind) {
        return function(event) {
          ended[event.pointerId] = true;
          LumivorEvents.pushPointer(endKind, event);
        };
      };
      canvas.addEventListener('pointerup', end(kind.pointerUp));
      canvas.addEventListener('pointercancel', end(kind.pointerCancel));
      canvas.addEventListener('lostpointercapture', function(event) {
        if (!ended[event.pointerId]) LumivorEvents.pushPointer(kind.pointerCancel, event);
        delete ended[event.pointerId];
      });
      canvas.addEventListener('pointerleave', function(event) {
        if (event.pointerType === 'mouse') LumivorEvents.pushPointer(kind.pointerLeave, event);
      });
      canvas.addEventListener('contextmenu', function(event) { event.preventDefault(); });
    },
  },

  lumivor_take_event__deps: ['$LumivorEvents'],
  lumivor_take_event: function(numbers, measures, key, keyCapacity) {
    var record = LumivorEvents.queue.shift();
    if (!record) return 0;
    var ints = numbers >> 2;
    HEAP32[ints] = record.kind;
    HEAP32[ints + 1] = record.pointer;
    HEAP32[ints + 2] = record.pointerId;
    HEAP32[ints + 3] = record.buttons;
    HEAP32[ints + 4] = record.modifiers;
    HEAP32[ints + 5] = record.node;
    var doubles = measures >> 3;
    HEAPF64[doubles] = record.x;
    HEAPF64[doubles + 1] = record.y;
    HEAPF64[doubles + 2] = record.time;
    HEAPF64[doubles + 3] = record.ratio;
    stringToUTF8(record.key, key, keyCapacity);
    return 1;
  },

  lumivor_wait_for_event__deps: ['$LumivorEvents'],
  lumivor_wait_for_event: function(timeoutMs) {
    return Asyncify.handleSleep(function(wakeUp) {
      if (LumivorEvents.queue.length > 0) {
        LumivorEvents.yieldThen(wakeUp);
        return;
      }
      LumivorEvents.wakeUp = wakeUp;
      if (isFinite(timeoutMs)) LumivorEvents.timeout = setTimeout(LumivorEvents.wake, Math.max(0, timeoutMs));
    });
  },

  lumivor_now: function() { return performance.now(); },
};

mergeInto(LibraryManager.library, LibraryLumivorEvents);
