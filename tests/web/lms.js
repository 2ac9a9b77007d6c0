// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The learning platform's side of the SCORM test (lms.html): the API, its
// calls noted in window.lmsLog as [method, arguments..., result], then the
// SCO launched in a frame. ?throwing makes every call throw instead, as a
// broken platform might.
/* global Scorm12API */
const runtime = new Scorm12API({ autocommit: false, lmsCommitUrl: false, logLevel: 5 });
const throwing = new URLSearchParams(location.search).has('throwing');
window.lmsLog = [];
window.lmsRuntime = runtime;
window.API = {};
for (const method of ['LMSInitialize', 'LMSFinish', 'LMSGetValue', 'LMSSetValue', 'LMSCommit', 'LMSGetLastError',
  'LMSGetErrorString', 'LMSGetDiagnostic']) {
  window.API[method] = (...args) => {
    if (throwing) {
      window.lmsLog.push([method, ...args, 'thrown']);
      throw new Error('the platform failed');
    }
    const result = runtime[method](...args);
    window.lmsLog.push([method, ...args, result]);
    return result;
  };
}
const frame = document.createElement('iframe');
frame.id = 'sco';
frame.width = 600;
frame.height = 500;
frame.src = 'package/tarsomel.html';
document.body.appendChild(frame);
