#include "app/GeneratorWindow.h"

#include "app/StartWindow.h"
#include "assets/Pictures.h"
#include "core/Colors.h"
#include "core/Misc.h"
#include "core/Random.h"
#include "core/WindowNames.h"
#include "forms/Convert.h"
#include "forms/Fonts.h"
#include "forms/Services.h"
#include "skilltrees/ClassWindow.h"

namespace korvinth {

forms::FormRef<GeneratorWindow> frm_RandomGenerator{std::string(kRandomGeneratorName)};

namespace {

const QString kLevelError = QStringLiteral("Level must be 0 - 75");
const QString kEntryError = QStringLiteral("Entry Error");

// The highest level the generator makes: the level box takes 0 to it, and
// a random level is drawn up to it, from kLowestRandomLevel on.
constexpr int kHighestGeneratedLevel = 75;
constexpr int kLowestRandomLevel = 12;

// A class roll draws 1 to this; 1 to 999 pick a class, this itself is drawn again.
constexpr int kClassRollSpan = 1000;

// The options in the table's order from the top, then "Random", 315 twips apart.
constexpr int kFirstOptionTop = 330;
constexpr int kOptionSpacing = 315;

// The tab order runs Sorceress before Paladin, as it always has.
constexpr ClassId kOptionTabOrder[] = {ClassId::Amazon, ClassId::Barbarian, ClassId::Necromancer,
                                       ClassId::Sorceress, ClassId::Paladin};
static_assert(IsClassOrder(kOptionTabOrder));

// Whether the level box holds a level the generator takes: a number from 0 to 75.
bool LevelInRange(const QString& text) {
  const std::optional<double> value = forms::NumericValue(text);
  return value && *value >= 0 && *value <= kHighestGeneratedLevel;
}

void ShowStartWindowIfHidden() {
  if (!frm_MainSelect.Loaded() || !frm_MainSelect.Loaded()->isVisible()) frm_MainSelect.Show();
}

}  // namespace

QString ClassOfRoll(int roll) {
  // 1 to 999 in shares of 200 (the first 199), in the table's order.
  if (roll >= 1 && roll < kClassRollSpan) {
    return forms::Latin1Text(kClasses[roll * kClasses.size() / kClassRollSpan].name);
  }
  return QStringLiteral("Random");
}

GeneratorWindow::GeneratorWindow() : Form(std::string(kRandomGeneratorName)) {
  SetCaption(QStringLiteral("Random Character Generator"));
  SetClientSize(3840, 3825);
  SetPicture(Picture("generator_back").scaled(256, 255));
  setWindowIcon(QIcon());
  // The option that holds the focus is framed in the highlight colour (the
  // frame is black, and so unseen, around the others).
  const QString optionStyle =
      QStringLiteral(
          "QRadioButton { color: %1; background: black; border: 1px solid black; outline: none; }"
          "QRadioButton:focus { border-color: %2; }"
          "QRadioButton::indicator { width: 8px; height: 8px; border: 1px solid %1;"
          " border-radius: 5px; background: black; }"
          "QRadioButton::indicator:checked { background: %2; }")
          .arg(forms::SheetColor(kGold), forms::SheetColor(kGoldHighlight));
  auto option = [&](std::string_view name, std::string_view caption, int top) {
    auto* button =
        new forms::OptionButton(*this, std::string(name), forms::Latin1Text(caption), 1222, top, 1440, 285);
    button->setFont(forms::MakeFont(forms::Face::Sans, 8.25));
    button->setStyleSheet(optionStyle);
    button->onKeyPress = [this](std::int16_t& key) { KeyPress(key); };
    const QString className = forms::Latin1Text(caption);
    button->onClick = [className] { mod_Misc.RandomClass = className; };
    return button;
  };
  int top = kFirstOptionTop;
  for (const ClassInfo& info : kClasses) {
    opt_Class[Index(info.id)] = option(info.generatorOption, info.name, top);
    top += kOptionSpacing;
  }
  opt_Random = option("opt_Random", "Random", top);

  forms::Label& upTo = AddLabel("Label1", 1305, 2325, 1275, 225);
  upTo.SetCaption(QStringLiteral("Up To This Level:"));
  upTo.SetFont(forms::MakeFont(forms::Face::Sans, 8.25));
  upTo.SetForeColor(kGold);
  forms::Label& hint = AddLabel("Label2", 1305, 2520, 1275, 225);
  hint.SetCaption(QStringLiteral("0 = Random level"));
  hint.SetFont(forms::MakeFont(forms::Face::Arial, 6.75));
  hint.SetForeColor(kGold);
  hint.SetAlignment(forms::Alignment::Center);

  txt_Level = new forms::TextBox(*this, "txt_Level", 1725, 2685, 435, 225);
  txt_Level->SetText(QStringLiteral("0"));
  // The tooltip says 60 while the check allows 75; both are kept as they are.
  txt_Level->setToolTip(QStringLiteral("0 to 60, 0 = Random level"));
  txt_Level->setStyleSheet(
      QStringLiteral("QLineEdit { background: %1; color: black; }").arg(forms::SheetColor(kGoldHighlight)));
  txt_Level->onKeyPress = [this](std::int16_t& key) { KeyPress(key); };
  txt_Level->onKeyUp = [this] { txt_Level_KeyUp(); };

  for (auto [name, left] : {std::pair{"Image2", 315}, std::pair{"Image1", 1905}}) {
    forms::Image& button = AddImage(name, left, 3060, 1635, 540);
    button.SetStretch(true);
    button.SetPicture(Picture("button"));
  }
  const QFont font = forms::MakeFont(forms::Face::Display, 12, 900);
  lbl_Cancel = &AddLabel("lbl_Cancel", 315, 3195, 1635, 315);
  lbl_Generate = &AddLabel("lbl_Generate", 1935, 3195, 1560, 315);
  for (forms::Label* label : {lbl_Cancel, lbl_Generate}) {
    label->SetFont(font);
    label->SetForeColor(kGold);
    label->SetAlignment(forms::Alignment::Center);
  }
  lbl_Cancel->SetCaption(QStringLiteral("Cancel"));
  lbl_Generate->SetCaption(QStringLiteral("Generate"));
  lbl_Cancel->onClick = [this] { lbl_Cancel_Click(); };
  lbl_Generate->onClick = [this] { lbl_Generate_Click(); };
  lbl_Cancel->onMouseMove = [this](const forms::MouseArgs&) {
    lbl_Cancel->SetForeColor(kGoldHighlight);
    lbl_Generate->SetForeColor(kGold);
  };
  lbl_Generate->onMouseMove = [this](const forms::MouseArgs&) {
    lbl_Generate->SetForeColor(kGoldHighlight);
    lbl_Cancel->SetForeColor(kGold);
  };

  QWidget* previous = opt_Random;
  for (ClassId id : kOptionTabOrder) {
    setTabOrder(previous, opt_Class[Index(id)]);
    previous = opt_Class[Index(id)];
  }
  setTabOrder(previous, txt_Level);
}

void GeneratorWindow::Form_Load() {
  opt_Random_Click();
  opt_Random->setFocus();
}

void GeneratorWindow::opt_Random_Click() {
  mod_Misc.RandomClass = QStringLiteral("Random");
  opt_Random->setChecked(true);
}

void GeneratorWindow::KeyPress(std::int16_t& KeyAscii) {
  if (KeyAscii == forms::kKeyEscape) {
    KeyAscii = 0;
    CloseDialog();
  } else if (KeyAscii == forms::kKeyReturn) {
    KeyAscii = 0;
    lbl_Generate_Click();
  }
}

void GeneratorWindow::Form_KeyPress(std::int16_t& KeyAscii) { KeyPress(KeyAscii); }

void GeneratorWindow::Form_MouseMove(const forms::MouseArgs&) {
  lbl_Generate->SetForeColor(kGold);
  lbl_Cancel->SetForeColor(kGold);
}

void GeneratorWindow::Form_QueryClose() { lbl_Cancel_Click(); }

void GeneratorWindow::CloseDialog() {
  frm_RandomGenerator.Unload();
  // Never leave the program running with no window shown.
  ShowStartWindowIfHidden();
}

void GeneratorWindow::txt_Level_KeyUp() {
  const QString text = txt_Level->Text();
  if (text.isEmpty()) return;  // the user may clear the box to type anew
  if (!LevelInRange(text)) {
    forms::services().MsgBox(kLevelError, forms::kOkOnly | forms::kInformation, kEntryError);
    txt_Level->SetText(QStringLiteral("0"));
  }
}

void GeneratorWindow::lbl_Generate_Click() {
  // An empty box, or a text that slipped past the key check, generates nothing.
  const std::optional<std::int16_t> level = forms::ToInt16(txt_Level->Text());
  if (!level || !LevelInRange(txt_Level->Text())) {
    forms::services().MsgBox(kLevelError, forms::kOkOnly | forms::kInformation, kEntryError);
    if (!txt_Level->Text().isEmpty()) txt_Level->SetText(QStringLiteral("0"));
    return;
  }
  mod_Misc.RandomPointsLeft = *level;
  RandomCharGen();
}

void GeneratorWindow::lbl_Cancel_Click() {
  frm_MainSelect.Show();
  frm_RandomGenerator.Unload();
}

void GeneratorWindow::RandomCharGen() {
  do {
    if (mod_Misc.RandomClass != QLatin1String("Random")) {
      mod_Misc.RandomClassRoll = kChosenClassRoll;
    } else {
      mod_Misc.RandomClassRoll = static_cast<std::int16_t>(RandomWhole(kClassRollSpan, 1));
      mod_Misc.RandomClass = ClassOfRoll(mod_Misc.RandomClassRoll);
    }
    // A random level is uniform over 12 to 75.
    if (mod_Misc.RandomPointsLeft == 0) {
      do {
        mod_Misc.RandomPointsLeft = static_cast<std::int16_t>(RandomWhole(kHighestGeneratedLevel, 1));
      } while (mod_Misc.RandomPointsLeft < kLowestRandomLevel);
    }
  } while (mod_Misc.RandomClass == QLatin1String("Random"));

  const int answer = forms::services().MsgBox(
      QStringLiteral("This will generate a %1, Level %2.\r\nDo you want to continue? (This may take awhile)")
          .arg(mod_Misc.RandomClass)
          .arg(mod_Misc.RandomPointsLeft),
      forms::kYesNo, QStringLiteral("Character Generator"));
  if (answer != forms::kYes) {
    if (mod_Misc.RandomClassRoll != kChosenClassRoll) {
      opt_Random_Click();
      opt_Random->setFocus();
    }
    mod_Misc.RandomClassRoll = 0;
    return;
  }
  forms::FormRefBase* window = nullptr;
  for (const ClassInfo& info : kClasses) {
    if (mod_Misc.RandomClass == forms::Latin1Text(info.name)) window = &ClassWindowOf(info.id);
  }
  // The plan is made at once in a fresh window: an open class window, of this
  // class or another, is reset and closed first, as CHANGE CLASS would.
  CloseClassWindows();
  mod_Misc.RandomRunning = kTrue;
  frm_RandomGenerator.Unload();
  if (window) ShowClassWindow(*window);
}

}  // namespace korvinth
