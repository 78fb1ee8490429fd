// The page's half of the test program's conversation with its runner (run-in-browser.js), which
// drives the browser from outside through the browser driver. The program posts lists of the
// driver's commands and waits for their answers; the runner polls `take`, performs each list
// and hands the answers back with `answer`. The program's output and its end go the same way.
// Linked before the program (--pre-js), so that the program starts with its arguments and its
// output in place.
var LumivorTests = (function() {
  var posted = [];
  var replies = {};
  var waiting = {};
  var output = [];
  var result = null;
  var nextId = 1;
  var stashed = new Uint8Array(0);

  function print(text) {
    output.push(text);
    console.log(text);
  }

  function settle(id) {
    if (!replies[id] || !waiting[id]) return;
    var wakeUp = waiting[id];
    delete waiting[id];
    wakeUp(replies[id]);
    delete replies[id];
  }

  return {
    print: print,
    // A JSON list of driver commands, to be performed in order; returns the id to wait for.
    post: function(commands) {
      var id = nextId++;
      posted.push({id: id, commands: JSON.parse(commands)});
      return id;
    },
    // Resolves to {answers: [...]} or {error: TEXT} once the runner has performed the list.
    settled: function(id) {
      return new Promise(function(wakeUp) {
        waiting[id] = wakeUp;
        settle(id);
      });
    },
    // What the runner has not seen yet: the lists posted, the program's output, and its result
    // (its exit code, or why it aborted) once it has ended.
    take: function() {
      var taken = {requests: posted, output: output, result: result};
      posted = [];
      output = [];
      return taken;
    },
    answer: function(id, reply) {
      replies[id] = reply;
      settle(id);
    },
    finish: function(code) {
      if (result === null) result = code;
    },
    // A value handed to the program: kept here as bytes, a string as UTF-8, until it copies it.
    stash: function(value) {
      stashed = value instanceof Uint8Array ? value : new TextEncoder().encode(String(value));
      return stashed.length;
    },
    unstash: function() {
      var value = stashed;
      stashed = new Uint8Array(0);
      return value;
    },
  };
})();

Module['arguments'] = new URLSearchParams(location.search).getAll('arg');
Module['print'] = LumivorTests.print;
Module['printErr'] = LumivorTests.print;
Module['onAbort'] = function(what) { LumivorTests.finish('aborted: ' + what); };
// An error the program did not catch ends it: a test program that goes on after one tells nothing.
function lumivorPageError(error) {
  var text = String(error && error.stack || error);
  LumivorTests.print('page error: ' + text);
  LumivorTests.finish('page error: ' + text.split('\n')[0]);
}
window.addEventListener('error', function(event) { lumivorPageError(event.error || event.message); });
window.addEventListener('unhandledrejection', function(event) { lumivorPageError(event.reason); });
