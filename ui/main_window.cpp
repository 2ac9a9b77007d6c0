#include "main_window.h"

#include <QPalette>

#include <stdexcept>
#include <string>

namespace ui {

const char kTaskStatement[] =
    "Най-често срещаните химически елементи в нашата галактика са: Водород, Хелий, Кислород, Въглерод, "
    "Неон, Желязо, Азот, Силиций, Магнезий, Сяра.\r\n"
    "Да се реализира проект, представящ междупредметни връзки Физика и Информатика.\r\n"
    "Тема на проекта: Tarsomel.\r\n"
    "Да се използват две списъчни полета съдържащи съответно:\r\n"
    "имена на разпространени в галактиката химични елементи;\r\n"
    "тяхната точка на топене в градус Целзий.\r\n"
    "Информацията в списъка с имената да е сортирана низходящо, по отношение процент на "
    "разпространение на химичния елемент.\r\n"
    "Информацията във втория списък  да е сортирана възходящо по отношение температура на топене.\r\n"
    "След посочване на ред и от двета списъка да се изтрива посочената информация и в отделно "
    "текстово поле да се извежда съобщение дали релацията име и време е вярна, както и съпътстваща "
    "информация за съответния химичен елемент.\r\n"
    "Прочетете допълнителна информация относно физичните свойства на разпространените химични "
    "елементи с особено стопанско значение.\r\n";

QString WindowCaption() {
  return QStringLiteral(TARSOMEL_HOMEPAGE) + QStringLiteral("  Физика - свойства, температура");
}

namespace {

struct Twips {
  int left, top, width, height;
};

// Client area and control placement, in twips.
constexpr int kClientWidth = 6915;
constexpr int kClientHeight = 5175;
constexpr Twips kLabel1[3] = {{1080, 0, 4575, 375}, {240, 480, 2295, 375}, {4800, 480, 1815, 375}};
constexpr Twips kList1[2] = {{240, 840, 2295, 2055}, {4800, 840, 1815, 2055}};
constexpr Twips kCommand1 = {3000, 1560, 1215, 375};
constexpr Twips kText1 = {120, 3000, 6615, 2055};

const QColor kWindowColour(192, 192, 255);
const QColor kLabelColour(255, 192, 128);

// A palette colour does not survive Fusion's gradient on buttons, so the
// button gets a style sheet of its own, with pressed and focus states. Its
// focus mark is the border: Fusion's own focus rectangle would tint the face.
const char kCommandStyle[] =
    "QPushButton { background-color: rgb(255, 128, 128); color: black; outline: none;"
    " border: 1px solid rgb(128, 48, 48); border-radius: 3px; padding: 0px; }"
    "QPushButton:focus { border: 2px solid rgb(0, 0, 128); }"  // kFocusColour
    "QPushButton:pressed { background-color: rgb(224, 96, 96); border-color: rgb(64, 16, 16); }";

void Place(QWidget* widget, const Twips& t) {
  widget->setGeometry(TwipsToPixels(t.left), TwipsToPixels(t.top), TwipsToPixels(t.width),
                      TwipsToPixels(t.height));
}

void Fill(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace

Tarsomel::Tarsomel(const QString& family, QWidget* parent) : QWidget(parent) {
  // A fixed single border: a title bar with minimise and close, no maximise.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);
  setWindowTitle(WindowCaption());
  setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
  setFont(QFont(family, 12, QFont::Normal));
  Fill(this, kWindowColour);

  const char* const captions[3] = {"Tarsomel", "Химически елемент", "Точка на топене"};
  for (size_t i = 0; i < labels_.size(); ++i) {
    labels_[i] = new QLabel(QString::fromUtf8(captions[i]), this);
    labels_[i]->setAlignment(Qt::AlignCenter);
    Fill(labels_[i], kLabelColour);
    Place(labels_[i], kLabel1[i]);
  }

  for (size_t i = 0; i < lists_.size(); ++i) {
    lists_[i] = new ClassicListWidget(this);
    Place(lists_[i], kList1[i]);
    visible_[i] = std::make_unique<WidgetListBox>(lists_[i]);
  }

  command_ = new CommandButton(QStringLiteral("Чисти"), this);
  command_->setStyleSheet(QString::fromLatin1(kCommandStyle));
  Place(command_, kCommand1);

  text_ = new MessageBoxWidget(this);
  Place(text_, kText1);
  message_ = std::make_unique<WidgetTextBox>(text_);
  message_->SetText(kTaskStatement);

  controls_ = std::make_unique<quiz::ControlSet>(
      std::array<quiz::ListBox*, quiz::ControlSet::kLists>{visible_[0].get(), visible_[1].get(), &tables_[0],
                                                           &tables_[1], &tables_[2], &tables_[3]},
      message_.get());
  quiz::LoadTables(*controls_);

  // What a screen reader says of each control.
  lists_[0]->setAccessibleName(QStringLiteral("Химически елемент"));
  lists_[0]->setAccessibleDescription(
      QStringLiteral("Изберете елемент, а после температурата му на топене в другия списък."));
  lists_[1]->setAccessibleName(QStringLiteral("Точка на топене"));
  lists_[1]->setAccessibleDescription(
      QStringLiteral("Изберете температура на топене, а после елемента в другия списък."));
  command_->setAccessibleName(QStringLiteral("Чисти"));
  command_->setAccessibleDescription(
      QStringLiteral("Започва отначало: попълва отново двата списъка и изчиства съобщението."));
  text_->setAccessibleName(QStringLiteral("Съобщение"));
  text_->setAccessibleDescription(QStringLiteral("Задачата, а след всеки избор – дали двойката е вярна."));

  setTabOrder(text_, lists_[0]);
  setTabOrder(lists_[0], lists_[1]);
  setTabOrder(lists_[1], command_);
  text_->setFocus(Qt::OtherFocusReason);

  for (size_t i = 0; i < lists_.size(); ++i) {
    const auto index = static_cast<int16_t>(i);
    connect(lists_[i], &QListWidget::itemSelectionChanged, this, [this, index] { List1_Click(index); });
  }
  connect(command_, &QPushButton::clicked, this, [this] { Command1_Click(0); });

  Form_Load();
}

Tarsomel::~Tarsomel() {
  // The lists' signals must not reach the handlers while the widgets go.
  for (ClassicListWidget* list : lists_) list->disconnect(this);
}

CommandButton* Tarsomel::Command1(int16_t index) const {
  if (index != 0) throw std::out_of_range("Command1(" + std::to_string(index) + "): the array has member 0 only");
  return command_;
}

MessageBoxWidget* Tarsomel::Text1(int16_t index) const {
  if (index != 0) throw std::out_of_range("Text1(" + std::to_string(index) + "): the array has member 0 only");
  return text_;
}

void Tarsomel::Form_Load() { quiz::FillLists(*controls_); }

namespace {

// Holds the message box for the length of a handler, which then shows only
// its last text.
class HeldText {
 public:
  explicit HeldText(WidgetTextBox& box) : box_(box) { box_.Hold(); }
  ~HeldText() { box_.Release(); }
  HeldText(const HeldText&) = delete;
  HeldText& operator=(const HeldText&) = delete;

 private:
  WidgetTextBox& box_;
};

}  // namespace

void Tarsomel::List1_Click(int16_t /*Index*/) {
  // Both selections are read before either is tested; a Click raised by the
  // quiz's own changes always finds one list without a selection.
  const int16_t names = controls_->List1(quiz::kNamesList).ListIndex();
  const int16_t temperatures = controls_->List1(quiz::kTemperaturesList).ListIndex();
  if (names > -1 && temperatures > -1) {
    HeldText held(*message_);
    quiz::CheckPair(*controls_);
  }
}

void Tarsomel::Command1_Click(int16_t Index) {
  if (Index != 0) return;
  HeldText held(*message_);
  quiz::FillLists(*controls_);
  controls_->Text1(0).SetText("");
}

}  // namespace ui
