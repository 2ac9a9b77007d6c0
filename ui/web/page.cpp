// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "page.h"

#include <cstdio>

#include "quiz.h"

namespace ui::web::page {

namespace {

// Text for HTML, in an element or an attribute's quotes.
std::string Escaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Px(int pixels) { return std::to_string(pixels) + "px"; }

// A control's place in the client area, as its style attribute says it.
std::string Placed(const Twips& t) {
  return " style=\"left:" + Px(TwipsToPixels(t.left)) + ";top:" + Px(TwipsToPixels(t.top)) +
         ";width:" + Px(TwipsToPixels(t.width)) + ";height:" + Px(TwipsToPixels(t.height)) + "\"";
}

std::string DescriptionId(Control control) {
  const ByControl<std::string> ids = {"t-description-0", "t-description-1", "t-description-2", "t-description-3"};
  return ids[control];
}

// A focusable control's name and description, as the design gives them.
std::string Spoken(Control control) {
  return " aria-label=\"" + Escaped(SpokenAs(control).name) + "\" aria-describedby=\"" + DescriptionId(control) + "\"";
}

// A row: what it shows and, where a screen reader is to read it otherwise,
// the words, hidden from sight, with the shown text hidden from it.
std::string Row(std::string_view list_id, int i, const std::string& row) {
  const std::string spoken = SpokenPart(row);
  return "<div id=\"" + RowId(list_id, i) + "\" role=\"option\" class=\"" + std::string(kRowClass) +
         "\" aria-selected=\"false\"><span" + (spoken.empty() ? "" : " aria-hidden=\"true\"") + ">" + Escaped(row) +
         "</span><span class=\"" + std::string(kUnseenClass) + "\">" + Escaped(spoken) + "</span></div>";
}

std::string List(std::string_view id, Control control, const Twips& placed) {
  std::string out = "<div id=\"" + std::string(id) + "\" role=\"listbox\" tabindex=\"0\" class=\"t-list\"" +
                    Spoken(control) + Placed(placed) + ">";
  const std::vector<std::string> rows = DrawnRows(id);
  for (size_t i = 0; i < rows.size(); ++i) out += Row(id, static_cast<int>(i), rows[i]);
  return out + "</div>";
}

std::string Css(const Rgb& c) {
  return "rgb(" + std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue) + ")";
}

}  // namespace

std::string RowId(std::string_view list_id, int row) { return std::string(list_id) + "-" + std::to_string(row); }

std::string SpokenPart(std::string_view row) {
  std::string spoken = SpokenRow(row);
  return spoken == row ? std::string() : spoken;
}

std::vector<std::string> DrawnRows(std::string_view list_id) {
  const auto& rows = list_id == kNamesId ? quiz::kNames : quiz::kShownTemperatures;
  return {rows.begin(), rows.end()};
}

std::string Body() {
  const std::string client = Px(TwipsToPixels(kClientWidth));
  const std::string client_height = Px(TwipsToPixels(kClientHeight));
  const std::string size = " style=\"width:" + client + ";height:" + client_height + "\"";
  // The page's one landmark holds the client area.
  std::string out =
      "<main id=\"t-frame\" class=\"t-frame\"" + size + "><div id=\"t-client\" class=\"t-client\"" + size + ">";
  for (size_t i = 0; i < kLabelCaptions.size(); ++i) {
    // The first caption names the program: the page's heading.
    const std::string tag = i == 0 ? "h1" : "div";
    out += "<" + tag + " class=\"t-label\"" + Placed(kLabel1[i]) + ">" + Escaped(kLabelCaptions[i]) + "</" + tag + ">";
  }
  // The focusable controls in the design's tab order, which is the order
  // Tab visits them in; the message box has the focus at the start.
  std::string task(kTaskStatement);
  for (size_t at = task.find("\r\n"); at != std::string::npos; at = task.find("\r\n", at)) task.erase(at, 1);
  const ByControl<std::string> controls = {
      "<textarea class=\"t-text\" readonly spellcheck=\"false\" autocomplete=\"off\" autofocus" +
          Spoken(Control::kText1) + Placed(kText1) + ">" + Escaped(task) + "</textarea>",
      List(kNamesId, Control::kNames, kList1[0]), List(kTemperaturesId, Control::kTemperatures, kList1[1]),
      "<button type=\"button\" class=\"t-command\"" + Spoken(Control::kCommand1) + Placed(kCommand1) + ">" +
          Escaped(kCommandCaption) + "</button>"};
  for (const Control control : kTabOrder) out += controls[control];
  // What a screen reader is told wherever the focus is: drawn nowhere.
  out += "<div id=\"t-live\" role=\"status\" aria-live=\"polite\" class=\"" + std::string(kUnseenClass) +
         "\"></div></div></main>\n";
  for (const Control control : kTabOrder) {
    out += "<div id=\"" + DescriptionId(control) + "\" hidden>" + Escaped(SpokenAs(control).description) + "</div>\n";
  }
  out += "<noscript><p class=\"t-noscript\">" + Escaped(kNeedsScript) + "</p></noscript>\n";
  out += "<p class=\"t-noscript\" id=\"" + std::string(kCannotStartId) + "\" role=\"alert\" hidden>" +
         Escaped(kCannotStart) + "</p>\n";
  out += "<p class=\"t-noscript\" id=\"" + std::string(kNotRecordedId) + "\" role=\"alert\" hidden>" +
         Escaped(kNotRecorded) + "</p>\n";
  return out;
}

std::vector<std::pair<std::string, std::string>> StyleValues() {
  return {
      {"window", Css(kWindowColour)},
      {"label", Css(kLabelColour)},
      {"command", Css(kCommandColour)},
      {"commandEdge", Css(kCommandEdgeColour)},
      {"commandPressed", Css(kCommandPressedColour)},
      {"commandPressedEdge", Css(kCommandPressedEdgeColour)},
      {"focus", Css(kFocusColour)},
      {"text", Css(kTextColour)},
      {"focusPixels", Px(kFocusPixels)},
      {"edgePixels", Px(kEdgePixels)},
      // The design's face, its metric match with Cyrillic, then whatever
      // serif face the platform has.
      {"font", "\"" + std::string(kFontFace) + "\",\"" + std::string(kFallbackFontFace) + "\",serif"},
      {"fontPoints", std::to_string(kFontPoints) + "pt"},
  };
}

std::string Json(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace ui::web::page
