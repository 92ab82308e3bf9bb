#include "skilltrees/ClassWindow.h"

#include <limits>
#include <optional>

#include "assets/Pictures.h"
#include "core/Colors.h"
#include "core/Export.h"
#include "core/Limits.h"
#include "core/MenuWindow.h"
#include "core/Misc.h"
#include "core/Notices.h"
#include "core/Quests.h"
#include "core/Random.h"
#include "core/WindowNames.h"
#include "forms/Convert.h"
#include "forms/Fonts.h"
#include "forms/Services.h"
#include "forms/Twips.h"

namespace korvinth {

namespace {

// One global reference a class, under the class's window name, in the table's order.
template <std::size_t... I>
std::array<forms::FormRef<ClassWindow>, sizeof...(I)> MakeClassWindowRefs(std::index_sequence<I...>) {
  return {forms::FormRef<ClassWindow>(std::string(kClasses[I].window),
                                      [] { return new ClassWindow(kClasses[I].id); })...};
}

std::array<forms::FormRef<ClassWindow>, kClasses.size()> g_classWindows =
    MakeClassWindowRefs(std::make_index_sequence<kClasses.size()>());

}  // namespace

forms::FormRef<ClassWindow>& ClassWindowOf(ClassId id) { return g_classWindows[Index(id)]; }

forms::FormRef<ClassWindow>& frm_NecroSkill = g_classWindows[Index(ClassId::Necromancer)];
forms::FormRef<ClassWindow>& frm_AmazonSkill = g_classWindows[Index(ClassId::Amazon)];
forms::FormRef<ClassWindow>& frm_BarbarianSkill = g_classWindows[Index(ClassId::Barbarian)];
forms::FormRef<ClassWindow>& frm_Paladin = g_classWindows[Index(ClassId::Paladin)];
forms::FormRef<ClassWindow>& frm_Sorceress = g_classWindows[Index(ClassId::Sorceress)];

// "To" keeps its capital, as the hover has always shown it.
const QString ClassWindow::kSaveHover = QStringLiteral("Save your character To a text file.");
const QString ClassWindow::kResetHover = QStringLiteral("Reset all skills to starting value.");
const QString ClassWindow::kChangeClassHover = [] {
  // Paladin before Necromancer, unlike the table; the hover has always read so.
  constexpr ClassId kHoverOrder[] = {ClassId::Amazon, ClassId::Barbarian, ClassId::Paladin,
                                     ClassId::Necromancer, ClassId::Sorceress};
  static_assert(IsClassOrder(kHoverOrder));
  QString text = QStringLiteral("Change the type of character you are.");
  for (ClassId id : kHoverOrder)
    text += QStringLiteral("\r\n          ") + forms::Latin1Text(ClassOf(id).name);
  return text;
}();
const QString ClassWindow::kUndoLastHover = QStringLiteral("Remove last skill point saved.");
const QString ClassWindow::kCloseHover = QStringLiteral("Close this window");  // no full stop

namespace {

constexpr int kRows[] = {1, 6, 12, 18, 24, 30};
constexpr int kRowLabelTops[] = {555, 1365, 2160, 2985, 3870, 4680};
const char* const kHeadingNames[] = {"lbl_Summon", "lbl_PB", "Label1"};
constexpr TwipsRect kHeadingRects[] = {{1365, 0, 2745, 300}, {4155, 15, 2760, 300}, {6930, 0, 2685, 300}};

// Where the hover outline waits, out of sight, while no skill is pointed at.
constexpr int kOutlineParked = -1000;

const QString kHoverLastLine = QStringLiteral("Right click for reserve options and skill stats.");
const QString kNoticeText = QStringLiteral(
    "Skill information is subject to change.  Diablo II and its names and pictures are the "
    "property of their owner, Blizzard Entertainment.");

QColor Rgb(std::uint32_t rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

// The name of a control array's element: "img_NecroCurse(3)". Appending
// piece by piece also spares GCC 12 a false -Wrestrict alarm inside the
// standard library's string insert.
std::string ElementName(const std::string& array, int index) {
  std::string name = array;
  name += '(';
  name += std::to_string(index);
  name += ')';
  return name;
}

// 16-bit arithmetic of the undo: a result outside the range is a run-time
// fault that ends the handler, leaving the value as it was.
bool Add16(std::int16_t& value, int delta) {
  const int result = value + delta;
  if (result < std::numeric_limits<std::int16_t>::min() ||
      result > std::numeric_limits<std::int16_t>::max()) {
    return false;
  }
  value = static_cast<std::int16_t>(result);
  return true;
}

}  // namespace

ClassWindow::ClassWindow(ClassId id, const ClassDef& data)
    : Form(std::string(ClassOf(id).window)), class_(ClassOf(id)), data_(data) {
  SetCaption(forms::Latin1Text(class_.caption));
  SetClientSize(12000, 9000);
  SetBackColor(Qt::black);
  setWindowIcon(WindowIcon());
  SetMouseIcon(GauntletCursor());
  BuildFrame();
  ApplyPlacements();
}

void ClassWindow::BuildFrame() {
  using forms::Face;
  auto remember = [this](forms::Control& control) -> forms::Control& {
    named_[control.Name()] = &control;
    return control;
  };

  // Level bands, Shape6 behind the level 1 row down to Shape1 behind level 30.
  for (int row = 0; row < 6; ++row) {
    const Band& band = data_.bands[row];
    forms::Shape& shape = AddShape("Shape" + std::to_string(6 - row), band.left, band.top, 10155, 675);
    shape.SetFillColor(Rgb(band.rgb));
    remember(shape);
  }
  img_BottomPanel = &AddImage(std::string(data_.bottomPanelName), -75, 5580, 12165, 3345);
  img_BottomPanel->SetStretch(true);
  img_BottomPanel->SetPicture(Picture("bottom_panel"));
  remember(*img_BottomPanel);
  img_CommandColumn = &AddImage(std::string(data_.commandColumnName), 9555, -15, 2400, 5235);
  img_CommandColumn->SetPicture(Picture("command_column"));
  img_CommandColumn->onMouseMove = [this](const forms::MouseArgs&) { HoverReset(); };
  remember(*img_CommandColumn);

  for (auto [name, x] : {std::pair{"Line1", 4125}, std::pair{"Line2", 6915}}) {
    forms::Line& line = AddLine(name, x, name[4] == '1' ? -420 : -210, x, 5145);
    line.SetBorder(kWhite, 1);
    remember(line);
  }
  for (const Connector& connector : data_.connectors) {
    forms::Line& line =
        AddLine(std::string(connector.name), connector.x1, connector.y1, connector.x2, connector.y2);
    line.SetBorder(kPointBrown, 3);
    remember(line);
  }
  for (const Arrowhead& arrow : data_.arrowheads) {
    forms::Image& image = AddImage(std::string(arrow.name), arrow.left, arrow.top,
                                   arrow.pointsRight ? 315 : 345, arrow.pointsRight ? 315 : 375);
    image.SetStretch(true);
    image.SetPicture(Picture(arrow.pointsRight ? "arrow_right" : "arrow_down"));
    remember(image);
  }

  BuildTrees();

  for (int row = 0; row < 6; ++row) {
    forms::Label& label = AddLabel("lbl_Level" + std::to_string(kRows[row]), 15, kRowLabelTops[row],
                                   kRows[row] >= 24 ? 1515 : 1440, 240);
    label.SetCaption(QStringLiteral("[  Level %1  ]").arg(kRows[row]));
    label.SetFont(forms::MakeFont(Face::Display, 9.75, 900));
    label.SetForeColor(row == 0 ? kPaleYellow : kWhite);
    lbl_Level[row] = &label;
    remember(label);
  }
  for (int panel = 0; panel < 3; ++panel) {
    const auto& rect = kHeadingRects[panel];
    forms::Label& label = AddLabel(kHeadingNames[panel], rect.left, rect.top, rect.width, rect.height);
    label.SetCaption(forms::Latin1Text(data_.trees[panel].heading));
    label.SetFont(forms::MakeFont(Face::Display, 9.75, 300));
    label.SetForeColor(kWhite);
    label.SetAlignment(forms::Alignment::Center);
    lbl_Heading[panel] = &label;
    remember(label);
  }

  lbl_Char = &AddLabel("lbl_Char", 915, 5265, 2175, 285);
  lbl_Char->SetCaption(forms::Latin1Text(class_.name));
  lbl_Char->SetFont(forms::MakeFont(Face::Display, 12, 900));
  lbl_Char->SetForeColor(kWhite);
  lbl_Char->SetAlignment(data_.charCentred ? forms::Alignment::Center : forms::Alignment::Left);
  remember(*lbl_Char);
  auto statusLabel = [&](const char* name, int left, int width, const char* caption) {
    forms::Label& label = AddLabel(name, left, 5340, width, 210);
    label.SetCaption(QString::fromLatin1(caption));
    label.SetFont(forms::MakeFont(Face::Display, 8.25, 300));
    label.SetForeColor(kWhite);
    remember(label);
    return &label;
  };
  lbl_CharLevel = statusLabel("lbl_CharLevel", 3075, 1845, "Level: 1");
  lbl_SkillLevel = statusLabel("lbl_SkillLevel", 5010, 1845, "Skill Points: 0");
  lbl_Reserved = statusLabel("lbl_Reserved", 7125, 2040, "Reserved Points: 0");

  lbl_Save = &AddCommand("lbl_Save", "SAVE", 9810, 1080, kSaveHover);
  lbl_Save->onClick = [this] { lbl_Save_Click(); };
  lbl_Reset = &AddCommand("lbl_Reset", "RESET", 9795, 1875, kResetHover);
  lbl_Reset->onClick = [this] { lbl_Reset_Click(); };
  lbl_ChangeClass = &AddCommand("lbl_ChangeClass", "CHANGE CLASS", 9765, 2685, kChangeClassHover);
  lbl_ChangeClass->onClick = [this] { lbl_ChangeClass_Click(); };
  lbl_UndoLast = &AddCommand("lbl_UndoLast", "UNDO LAST", 9765, 3525, kUndoLastHover);
  lbl_UndoLast->onClick = [this] { lbl_UndoLast_Click(); };
  lbl_Close = &AddCommand("lbl_Close", "EXIT", 9765, 4350, kCloseHover);
  lbl_Close->onClick = [this] { lbl_Close_Click(); };

  lbl_Description = &AddLabel("lbl_Description", 4440, 5985, 7215, 2520);
  lbl_Description->SetFont(forms::MakeFont(Face::Arial, 8.25));
  lbl_Description->SetForeColor(kWhite);
  remember(*lbl_Description);
  lbl_UnAvail = &AddLabel("lbl_UnAvail", 30, 5505, 11925, 255);
  lbl_UnAvail->SetFont(forms::MakeFont(Face::Arial, 8.25));
  lbl_UnAvail->SetForeColor(kWhite);
  lbl_UnAvail->SetAlignment(forms::Alignment::Center);
  lbl_UnAvail->SetVisible(false);
  remember(*lbl_UnAvail);
  lbl_Notice = &AddLabel("lbl_Notice", 450, 8775, 11100, 420);
  lbl_Notice->SetCaption(kNoticeText);
  lbl_Notice->SetFont(forms::MakeFont(Face::Arial, 8.25));
  lbl_Notice->SetForeColor(kWhite);
  lbl_Notice->SetAlignment(forms::Alignment::Center);
  remember(*lbl_Notice);

  sh_Outline = &AddShape("sh_Outline", kOutlineParked, 370, 580, 595);
  sh_Outline->SetBorder(kPaleYellow, 2);
  remember(*sh_Outline);

  tim_Unavail = &AddTimer("tim_Unavail", 5000, false);
  tim_Unavail->onTimer = [this] { tim_Unavail_Timer(); };

  lb_SkillsPerLevel = new forms::ListBox(*this, "lb_SkillsPerLevel", 540, 5985, 3765, 2550);
  lb_SkillsPerLevel->setFont(forms::MakeFont(Face::Arial, 8.25));
  lb_SkillsPerLevel->setStyleSheet(
      QStringLiteral("QListWidget { color: %1; background: black; border: 1px solid #606060; }"
                     "QListWidget::item:selected { color: black; background: %2; }")
          .arg(forms::SheetColor(kWhite), forms::SheetColor(kPaleYellow)) +
      forms::ScrollBarRules({.track = QColor(48, 48, 48),
                             .thumb = kPaleYellow,
                             .thumbHover = kWhite,
                             .buttons = QColor(88, 88, 88)}));
  lb_SkillsPerLevel->onKeyPress = [this](std::int16_t& key) { lb_SkillsPerLevel_KeyPress(key); };
}

void ClassWindow::BuildTrees() {
  for (int t = 0; t < 3; ++t) {
    Tree& tree = trees[t];
    tree.def = &data_.trees[t];
    const std::string array(tree.def->arrayName);
    for (int i = 0; i < 10; ++i) {
      const SkillDef& skill = tree.def->skills[i];
      forms::Image& icon =
          AddImage(ElementName("img_" + array, i), skill.icon.left, skill.icon.top, 540, 555);
      icon.SetStretch(true);
      icon.SetPicture(SkillIcon(tree.def->code, i));
      icon.SetToolTipText(forms::Latin1Text(skill.tooltip));
      const auto index16 = static_cast<std::int16_t>(i);
      icon.onClick = [this, t, index16] { img_Tree_Click(t, index16); };
      icon.onMouseDown = [this, t, index16](const forms::MouseArgs& args) {
        img_Tree_MouseDown(t, index16, args);
      };
      icon.onMouseMove = [this, t, index16](const forms::MouseArgs&) { img_Tree_MouseMove(t, index16); };
      tree.img[i] = &icon;
      named_[icon.Name()] = &icon;
    }
    for (int i = 0; i < 10; ++i) {
      const SkillDef& skill = tree.def->skills[i];
      forms::Label& points =
          AddLabel(ElementName("lbl_" + array, i), skill.label.left, skill.label.top, 225, 225);
      points.SetCaption(QStringLiteral("0"));
      points.SetFont(forms::MakeFont(forms::Face::Arial, 8.25, 700));
      points.SetForeColor(kPointBrown);
      points.SetAlignment(forms::Alignment::Center);
      tree.lbl[i] = &points;
      named_[points.Name()] = &points;
    }
  }
}

forms::Label& ClassWindow::AddCommand(const char* name, const char* caption, int left, int top,
                                      const QString& hover) {
  forms::Label& label = AddLabel(name, left, top, 1995, 315);
  label.SetCaption(QString::fromLatin1(caption));
  label.SetFont(forms::MakeFont(forms::Face::Display, 9.75, 900));
  label.SetForeColor(kPaleYellow);
  label.SetAlignment(forms::Alignment::Center);
  // Hovering a command shows its text and turns it white until the hover reset.
  label.onMouseMove = [this, &label, hover](const forms::MouseArgs&) {
    lbl_Description->SetCaption(hover);
    label.SetForeColor(kWhite);
  };
  named_[label.Name()] = &label;
  return label;
}

void ClassWindow::ApplyPlacements() {
  for (const Placement& placement : data_.placements) {
    const TwipsRect& r = placement.rect;
    if (placement.control == "lb_SkillsPerLevel") {
      const QRect now = lb_SkillsPerLevel->geometry();
      lb_SkillsPerLevel->setGeometry(
          forms::ToPixels(r.left, r.top, r.width ? r.width : now.width() * forms::kTwipsPerPixel,
                          r.height ? r.height : now.height() * forms::kTwipsPerPixel));
      continue;
    }
    forms::Control* control = ControlNamed(std::string(placement.control));
    // A name the window does not have is a slip in the class's data.
    if (!control) {
      qFatal("%.*s places a control it does not have: %.*s", static_cast<int>(class_.window.size()),
             class_.window.data(), static_cast<int>(placement.control.size()), placement.control.data());
    }
    control->Move(r.left, r.top, r.width ? r.width : control->Width(),
                  r.height ? r.height : control->Height());
  }
}

forms::Control* ClassWindow::ControlNamed(const std::string& name) const {
  auto it = named_.find(name);
  return it == named_.end() ? nullptr : it->second;
}

forms::Label& ClassWindow::LevelLabel(int row) {
  for (int i = 0; i < 6; ++i) {
    if (kRows[i] == row) return *lbl_Level[i];
  }
  return *lbl_Level[0];
}

void ClassWindow::TreeClick(std::string_view treeCode, std::int16_t index) {
  for (int t = 0; t < 3; ++t) {
    if (trees[t].def->code == treeCode) img_Tree_Click(t, index);
  }
}

// Load and hover ------------------------------------------------------------

void ClassWindow::Form_Load() {
  mod_Misc.LevelUps = 0;
  mod_Misc.ReservedPoints = 0;
  ShowReservedPoints(*this);
  // A pending generation fills the window before it is first shown. A
  // negative count would never reach 0, so it starts nothing.
  if (mod_Misc.RandomClassRoll != 0 && mod_Misc.RandomPointsLeft > 0) {
    mod_Misc.LastClickRefused = kFalse;
    // Exactly nine passes of the event loop before the fill, as it has always had.
    for (int pass = 0; pass < 9; ++pass) forms::services().DoEvents();
    DistributeRandomPoints();
  }
}

void ClassWindow::Form_MouseMove(const forms::MouseArgs&) { HoverReset(); }

void ClassWindow::HoverReset() {
  sh_Outline->SetTop(kOutlineParked);
  sh_Outline->SetLeft(kOutlineParked);
  lbl_Description->SetCaption(QString());
  for (forms::Label* label : {lbl_Close, lbl_UndoLast, lbl_ChangeClass, lbl_Reset, lbl_Save}) {
    label->SetForeColor(kPaleYellow);
  }
}

void ClassWindow::Form_QueryClose() {
  // Closing from the frame leaves the plan like CHANGE CLASS, so the start
  // window comes back and the program never runs on with no window shown.
  lbl_ChangeClass_Click();
}

void ClassWindow::tim_Unavail_Timer() {
  lbl_UnAvail->SetVisible(false);
  tim_Unavail->SetEnabled(false);
}

// The tree click ------------------------------------------------------------

void ClassWindow::RaiseLabel(forms::Label& points) const {
  points.SetCaption(forms::PlainDecimal(forms::CaptionValue(points.Caption()) + 1));
}

void ClassWindow::AppendLine(const QString& line) {
  lb_SkillsPerLevel->AddItem(line);
  lb_SkillsPerLevel->SetListIndex(lb_SkillsPerLevel->ListCount() - 1);
}

void ClassWindow::img_Tree_Click(int tree, std::int16_t Index) {
  if (tree < 0 || tree > 2 || Index < 0 || Index > 9) return;
  const Tree& t = trees[tree];
  const SkillDef& skill = t.def->skills[Index];
  forms::Label& points = *t.lbl[Index];

  mod_Misc.ClickedSkillLevel = static_cast<std::int16_t>(forms::CaptionValue(points.Caption()));
  // Checks in order of precedence: the first that fails refuses the click.
  bool refused = true;
  if (mod_Misc.ClickedSkillLevel == kMaxSkillPoints) {
    mod_Misc.UnavailMessage =
        QStringLiteral("No more points may be added to this skill.  Maximum points are 20 per skill.");
  } else if (mod_Misc.LevelUps + 1 >= kMaxLevel) {
    mod_Misc.UnavailMessage = kLevelCapMessage;
  } else if (skill.level != 1 && !CanAddLevelSkill(skill.level)) {
    // the tier check has left its reason in UnavailMessage
  } else {
    refused = false;
    for (const Prerequisite& prerequisite : skill.prerequisites) {
      if (prerequisite.index < 0) continue;
      if (forms::CaptionValue(t.lbl[prerequisite.index]->Caption()) == 0) {
        mod_Misc.UnavailMessage =
            QStringLiteral("Not available yet, you must have at least one skill point in ") +
            forms::Latin1Text(prerequisite.messageName);
        refused = true;
        break;
      }
    }
  }
  if (refused) {
    Refuse();
    return;
  }
  const QString skillText = QStringLiteral(": ") + forms::Latin1Text(skill.name);

  // A pending quest grant comes first; it changes no level and ends here.
  for (Quest quest : kQuests) {
    if (QuestUses(quest) == 0 || !QuestPending(quest)) continue;
    RaiseLabel(points);
    AppendLine(QuestLinePrefix(quest) + QuestDifficulty(quest, QuestUses(quest)) + QStringLiteral("Slvl ") +
               points.Caption() + skillText);
    QuestPending(quest) = kFalse;
    return;
  }

  if (mod_Misc.UseReserve) {
    if (mod_Misc.ReservedPoints >= 1) {
      mod_Misc.UseReserve = kFalse;
      RaiseLabel(points);
      AppendLine(QStringLiteral("Reserved Slvl ") + points.Caption() + skillText);
      --mod_Misc.ReservedPoints;
      ShowReservedPoints(*this);
    } else {
      // Not a refusal: LastClickRefused stays as it was.
      ShowNotice(*this, QStringLiteral("You have no skill points in reserve."));
      mod_Misc.UseReserve = kFalse;
    }
  } else {
    tim_Unavail->SetEnabled(false);
    lbl_UnAvail->SetVisible(false);
    ++mod_Misc.LevelUps;
    RaiseLabel(points);
    ShowLevel(*this, QStringLiteral("Skill Points: "));
    AppendLine(QStringLiteral("Clvl ") + forms::PlainDecimal(mod_Misc.LevelUps + 1) +
               QStringLiteral(" Slvl ") + points.Caption() + skillText);
  }
  RefreshLevelNotices();
  CompletionCheck();
}

void ClassWindow::Refuse() {
  // A refused click takes back the quest grant that was waiting for it, so the
  // quest stands as if its menu item had not been chosen.
  for (Quest quest : kQuests) {
    if (!QuestPending(quest)) continue;
    std::int16_t& uses = QuestUses(quest);
    --uses;
    // Izual's count has never had the range guard of the other two; kept so.
    const bool guarded = quest != Quest::DeathOfIzual;
    if (guarded && (uses < 0 || uses > QuestMaxUses(quest))) {
      ShowQuestLimitMessage();
      return;
    }
    if (const std::optional<QString> caption = QuestCaption(quest, uses, Writer::Window)) {
      QuestItem(quest).SetCaption(*caption);
    }
    QuestPending(quest) = kFalse;
  }
  ShowNotice(*this, mod_Misc.UnavailMessage);
  mod_Misc.UseReserve = kFalse;
  mod_Misc.LastClickRefused = kTrue;
  CompletionCheck();
}

void ClassWindow::CompletionCheck() {
  if (!mod_Misc.RandomRunning || mod_Misc.RandomPointsLeft != 0) return;
  // "Charater" is the message's own spelling; kept.
  forms::services().MsgBox(
      QStringLiteral("Random Charater Generator has completed.\r\nHave fun trying to win with it."),
      forms::kOkOnly | forms::kInformation, QStringLiteral("Generation Complete"));
  mod_Misc.RandomRunning = kFalse;
}

// Popup and hover -----------------------------------------------------------

void ClassWindow::img_Tree_MouseDown(int tree, std::int16_t Index, const forms::MouseArgs& args) {
  if (args.button != forms::kRightButton || tree < 0 || tree > 2 || Index < 0 || Index > 9) return;
  const Tree& t = trees[tree];
  MenuWindow& menu = *frm_Menu;
  const int level = mod_Misc.LevelUps + 1;
  // The separator under the reserve items shows exactly while a quest item shows.
  bool first = true;
  for (Quest quest : kQuests) {
    const bool offered = QuestOffered(quest, level, QuestUses(quest), t.def->denOfEvilLevels);
    if (offered) {
      menu.mnu_ReserveSpacer.SetVisible(true);
    } else if (first) {
      menu.mnu_ReserveSpacer.SetVisible(false);
    }
    QuestItem(quest).SetVisible(offered);
    first = false;
  }
  mod_Misc.CurrentTree = forms::Latin1Text(t.def->code);
  mod_Misc.CurrentSkillIndex = Index;
  mod_Misc.CurrentSkillLevel = static_cast<std::int16_t>(forms::CaptionValue(t.lbl[Index]->Caption()));
  forms::services().PopupMenu(*this, menu.mnu_ReserveMenu);
}

void ClassWindow::img_Tree_MouseMove(int tree, std::int16_t Index) {
  if (tree < 0 || tree > 2 || Index < 0 || Index > 9) return;
  const Tree& t = trees[tree];
  const SkillDef& skill = t.def->skills[Index];
  QString text =
      forms::Latin1Text(skill.name) + QStringLiteral("\r\n") + forms::Latin1Text(skill.description);
  if (!skill.note.empty()) text += QStringLiteral("\r\n") + forms::Latin1Text(skill.note);
  lbl_Description->SetCaption(text + QStringLiteral("\r\n") + kHoverLastLine);
  const forms::Image& icon = *t.img[Index];
  const int top = icon.Top() - 20;
  const int left = icon.Left() - 20;
  if (sh_Outline->Top() != top || sh_Outline->Left() != left) {
    sh_Outline->SetTop(top);
    sh_Outline->SetLeft(left);
  }
}

// Undo --------------------------------------------------------------------

void ClassWindow::lbl_UndoLast_Click() {
  forms::ListBox& history = *lb_SkillsPerLevel;
  history.SetListIndex(history.ListCount() - 1);
  const QString line = history.Text();
  if (line.trimmed().isEmpty()) return;

  // The first skill text found in the line names the skill; names that begin
  // another name of their tree are tested after it.
  bool found = false;
  for (const Tree& t : trees) {
    for (int i : t.def->undoOrder) {
      if (!line.contains(QStringLiteral(": ") + forms::Latin1Text(t.def->skills[i].name))) continue;
      const std::optional<std::int16_t> points = forms::ToInt16(t.lbl[i]->Caption());
      if (!points) return;  // a run-time fault ends the undo silently
      t.lbl[i]->SetCaption(forms::PlainDecimal(*points - 1));
      found = true;
      break;
    }
    if (found) break;
  }

  if (line.contains(QStringLiteral("Reserved For Later"))) {
    if (!Add16(mod_Misc.LevelUps, -1) || !Add16(mod_Misc.ReservedPoints, -1)) return;
    ShowReservedPoints(*this);
    ShowLevel(*this, forms::Latin1Text(data_.reserveUndoText));
  } else if (line.contains(QStringLiteral("Reserved Slvl"))) {
    if (!Add16(mod_Misc.ReservedPoints, 1)) return;
    ShowReservedPoints(*this);
  } else {
    bool questLine = false;
    for (Quest quest : kQuests) {
      if (!line.contains(QuestLineMarker(quest))) continue;
      // Quest lines change no level: the quest point was never a level-up point.
      if (!Add16(QuestUses(quest), -1)) return;
      if (const std::optional<QString> caption = QuestCaption(quest, QuestUses(quest), Writer::Window)) {
        QuestItem(quest).SetCaption(*caption);
      }
      questLine = true;
      break;
    }
    if (!questLine) {
      if (!Add16(mod_Misc.LevelUps, -1)) return;
      ShowLevel(*this, forms::Latin1Text(data_.levelUndoText));
    }
  }
  history.RemoveItem(history.ListIndex());
  RefreshLevelNotices();
}

// Commands ------------------------------------------------------------------

void ClassWindow::lbl_Reset_Click() {
  mod_Misc.LevelUps = 0;
  mod_Misc.ReservedPoints = 0;
  mod_Misc.DenOfEvilUses = 0;
  mod_Misc.BookOfSkillUses = 0;
  mod_Misc.DeathOfIzualUses = 0;
  mod_Misc.RandomRunning = kFalse;
  for (Quest quest : {Quest::DeathOfIzual, Quest::BookOfSkill, Quest::DenOfEvil}) {
    QuestItem(quest).SetCaption(*QuestCaption(quest, 0, Writer::Window));
  }
  for (int i = 0; i < 10; ++i) {
    for (Tree& t : trees) t.lbl[i]->SetCaption(QStringLiteral("0"));
  }
  // The reset writes its own forms of these texts, apart from the load's
  // ("Level: 1", "Reserved Points: 0"); the difference is kept on purpose.
  lbl_CharLevel->SetCaption(QStringLiteral("Level 1"));
  lbl_SkillLevel->SetCaption(QStringLiteral("Skill Points: ") + forms::PlainDecimal(mod_Misc.LevelUps));
  lbl_Reserved->SetCaption(QStringLiteral("Reserve Points: ") + forms::PlainDecimal(mod_Misc.ReservedPoints));
  lb_SkillsPerLevel->Clear();
  for (int row = 1; row < 6; ++row) lbl_Level[row]->SetForeColor(kWhite);
}

void ClassWindow::lbl_ChangeClass_Click() {
  lbl_Reset_Click();
  forms::FormRefBase::Require(kMainSelectName).Show();
  if (forms::FormRefBase* self = forms::FormRefBase::Find(Name()); self && self->Loaded() == this) {
    self->Unload();
  } else {
    Hide();
  }
}

void ClassWindow::lb_SkillsPerLevel_KeyPress(std::int16_t& KeyAscii) {
  if (KeyAscii == forms::kKeyEscape) lbl_ChangeClass_Click();
}

void ClassWindow::lbl_Close_Click() { forms::services().EndProgram(); }

void ClassWindow::lbl_Save_Click() { SaveCharacter(); }

// Random fill ---------------------------------------------------------------

void ClassWindow::DistributeRandomPoints() {
  forms::Services& platform = forms::services();
  for (;;) {
    // A refused draw is made up before the test for the end, so a refused
    // final draw is drawn again like any other and the plan ends at the
    // requested level.
    if (mod_Misc.LastClickRefused) {
      mod_Misc.LastClickRefused = kFalse;
      ++mod_Misc.RandomPointsLeft;
    }
    if (mod_Misc.RandomPointsLeft == 0 || platform.Ending()) {
      mod_Misc.RandomClassRoll = 0;
      // N points make level N + 1; the last is taken back on purpose, to end at level N.
      lbl_UndoLast_Click();
      return;
    }
    platform.DoEvents();
    const int panel = PanelOfTreeDraw(RandomWhole(30, 1));  // a draw of 1 to 30
    // Index 9 is never drawn: 9 values, 0 to 8.
    mod_Misc.RandomSkillIndex = static_cast<std::int16_t>(RandomWhole(9, 0));
    --mod_Misc.RandomPointsLeft;
    img_Tree_Click(panel, mod_Misc.RandomSkillIndex);
    platform.DoEvents();
  }
}

// One class window at a time ---------------------------------------------------

void CloseClassWindows(const forms::FormRefBase* keep) {
  for (forms::FormRef<ClassWindow>& ref : g_classWindows) {
    if (&ref == keep) continue;
    if (ClassWindow* window = ref.Loaded()) {
      window->lbl_Reset_Click();
      ref.Unload();
    }
  }
}

void ShowClassWindow(forms::FormRefBase& window) {
  CloseClassWindows(&window);
  window.Show();
  forms::FormRefBase::Require(kMainSelectName).Hide();
}

}  // namespace korvinth
