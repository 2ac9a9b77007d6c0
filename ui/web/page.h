// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page as it stands before any script runs: the window drawn as markup
// (its labels, both lists with their rows, the message box with the task,
// the button, the live region, every role, name and description) and the
// values of the design its stylesheet takes, both written from the design
// when the program is built; and the names by which the layer then finds
// the elements it works with. No browser here: the build runs it.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "main_window.h"

namespace ui::web::page {

// Where the layer finds its elements: selectors for the page's query, from
// the ids and classes below.
inline constexpr std::string_view kFrame = "#t-frame";
inline constexpr std::string_view kClient = "#t-client";
inline constexpr std::string_view kText = ".t-text";
inline constexpr std::string_view kCommand = ".t-command";
inline constexpr std::string_view kLive = "#t-live";
// The two lists' ids; a row's is the list's, "-" and its position.
inline constexpr std::string_view kNamesId = "t-names";
inline constexpr std::string_view kTemperaturesId = "t-temperatures";
std::string RowId(std::string_view list_id, int row);
// The classes the stylesheet draws by that the layer sets.
inline constexpr std::string_view kRowClass = "t-row";
inline constexpr std::string_view kUnseenClass = "t-unseen";
inline constexpr std::string_view kMarkClass = "t-mark";
// Set on the frame once the script has taken the window over.
inline constexpr std::string_view kReady = "data-ready";

// Shown, at the top, only where the browser runs no scripts.
inline constexpr std::string_view kNeedsScript =
    "За да работи, Тарсомел има нужда от JavaScript. Включете JavaScript в браузъра и заредете страницата "
    "отново.";
// Shown in the same place, and read out, where the script runs but the
// program could not start (its WebAssembly not come, or not allowed by this
// browser) or its runtime aborted: the page would otherwise show a quiz
// that answers nothing.
inline constexpr std::string_view kCannotStart =
    "Тарсомел не успя да се зареди. Заредете страницата отново или я отворете в друг браузър.";
inline constexpr std::string_view kCannotStartId = "t-cannot-start";
// Shown in the same place, and read out, while the learning platform the
// page was opened from refuses to keep the pupil's result (a session that
// has run out, a lost connection): the pupil would otherwise finish a round
// believing it counted.
inline constexpr std::string_view kNotRecorded = "Резултатът ви не се записва в платформата. Кажете на учителя си.";
inline constexpr std::string_view kNotRecordedId = "t-not-recorded";

// What a screen reader reads of a row in place of what it shows (a played
// row as "празен ред", a temperature in words), or "" where it reads the row
// as it is shown.
std::string SpokenPart(std::string_view row);

// The rows each list is drawn with: those FillLists gives it at the start.
std::vector<std::string> DrawnRows(std::string_view list_id);

// The markup inside <body>.
std::string Body();

// The values the stylesheet's template takes, by name.
std::vector<std::pair<std::string, std::string>> StyleValues();

// `text` as a JSON string, quotes included.
std::string Json(std::string_view text);

}  // namespace ui::web::page
