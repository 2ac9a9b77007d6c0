// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The learning platform's side of the SCORM test (lms.html): the API, its
// calls noted in window.lmsLog as [method, arguments..., result] and any
// call that left an error in window.lmsErrors, then the SCO launched in a
// frame, as Moodle does by default. In the query:
//   throwing     every call throws instead, as a broken platform might
//   refuse=M     method M answers "false" and does nothing, as a platform
//                whose session has run out (repeatable; the test may change
//                the set, window.lmsRefusing, as it goes)
//   mastery=N    the course sets a mastery score of N
//   window       the SCO opens in a window of its own (Moodle's "new
//                window"), from a button, and finds the API on its opener
/* global Scorm12API */
const query = new URLSearchParams(location.search);
const runtime = new Scorm12API({ autocommit: false, lmsCommitUrl: false, logLevel: 5 });
if (query.has('mastery')) runtime.cmi.student_data.mastery_score = query.get('mastery');
const throwing = query.has('throwing');
window.lmsRefusing = new Set(query.getAll('refuse'));
window.lmsLog = [];
window.lmsErrors = [];
window.lmsRuntime = runtime;
window.API = {};
for (const method of [
  'LMSInitialize',
  'LMSFinish',
  'LMSGetValue',
  'LMSSetValue',
  'LMSCommit',
  'LMSGetLastError',
  'LMSGetErrorString',
  'LMSGetDiagnostic',
]) {
  window.API[method] = (...args) => {
    if (throwing) {
      window.lmsLog.push([method, ...args, 'thrown']);
      throw new Error('the platform failed');
    }
    if (window.lmsRefusing.has(method)) {
      window.lmsLog.push([method, ...args, 'false']);
      return 'false';
    }
    const result = runtime[method](...args);
    window.lmsLog.push([method, ...args, result]);
    const error = String(runtime.LMSGetLastError());
    if (error !== '0') window.lmsErrors.push([method, ...args, error]);
    return result;
  };
}
if (query.has('window')) {
  const launch = document.createElement('button');
  launch.id = 'launch';
  launch.textContent = 'Launch';
  launch.addEventListener('click', () => window.open('package/tarsomel.html', 'sco', 'width=600,height=500'));
  document.body.appendChild(launch);
} else {
  const frame = document.createElement('iframe');
  frame.id = 'sco';
  frame.width = 600;
  frame.height = 500;
  frame.src = 'package/tarsomel.html';
  document.body.appendChild(frame);
}
