// The window of Tarsomel: two lists to match, the "Чисти" button and the
// message box, wired to the quiz core.
#pragma once

#include <QLabel>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

#include "quiz.h"
#include "widget_controls.h"

namespace ui {

// The text the message box starts with: ten lines, each ended by CR LF.
extern const char kTaskStatement[];

// "<web address>  Физика - свойства, температура".
QString WindowCaption();

// Lengths in the design are twips: 15 to a pixel at 96 dots per inch.
constexpr int TwipsToPixels(int twips) { return (twips + 7) / 15; }

class Tarsomel final : public QWidget {
 public:
  // `family` is the face the window is drawn in; it must have Cyrillic.
  explicit Tarsomel(const QString& family = QStringLiteral("Times New Roman"), QWidget* parent = nullptr);
  ~Tarsomel() override;

  // The controls by array name and index; only the members that exist.
  QLabel* Label1(int16_t index) const { return labels_.at(static_cast<size_t>(index)); }
  ClassicListWidget* List1(int16_t index) const { return lists_.at(static_cast<size_t>(index)); }
  CommandButton* Command1(int16_t index) const;
  MessageBoxWidget* Text1(int16_t index) const;
  // The quiz's view of every list (the two above and the four tables) and of
  // the message box.
  const quiz::ControlSet& Controls() const { return *controls_; }

  // Event handlers.
  void Form_Load();
  void List1_Click(int16_t Index);
  void Command1_Click(int16_t Index);

 private:
  std::array<QLabel*, 3> labels_{};
  std::array<ClassicListWidget*, 2> lists_{};
  CommandButton* command_ = nullptr;
  MessageBoxWidget* text_ = nullptr;

  std::array<std::unique_ptr<WidgetListBox>, 2> visible_;
  // The element tables; the pupil never sees them.
  std::array<quiz::MemoryListBox, 4> tables_;
  std::unique_ptr<WidgetTextBox> message_;
  std::unique_ptr<quiz::ControlSet> controls_;
};

}  // namespace ui
