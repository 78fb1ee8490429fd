'use strict';
// The browser driver of the web tests, whose static server and Chromium session the benchmarks
// reuse; loading it fails where its npm packages are not installed.
const path = require('path');

const kDriver = path.join(__dirname, '..', '..', 'tests', 'web', 'driver');

module.exports = {
  ...require(path.join(kDriver, 'static-server')),
  ...require(path.join(kDriver, 'puppeteer-session')),
};
