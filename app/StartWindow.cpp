#include "app/StartWindow.h"

#include <QDir>
#include <QShowEvent>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "app/GeneratorWindow.h"
#include "app/GifFrames.h"
#include "assets/Pictures.h"
#include "core/Colors.h"
#include "core/MenuWindow.h"
#include "core/Misc.h"
#include "core/Quests.h"
#include "core/WindowNames.h"
#include "forms/Convert.h"
#include "forms/Fonts.h"
#include "forms/Services.h"
#include "skilltrees/ClassWindow.h"

namespace korvinth {

forms::FormRef<StartWindow> frm_MainSelect{std::string(kMainSelectName)};

const QString StartWindow::kTarnavelContact = QStringLiteral(
    "Battle Net ID: Tarnavel\r\nE-Mail:  tarnavel@example.org\r\nICQ: 10000001\r\nGuild: (none)\r\n"
    "(Click for email/web)");
const QString StartWindow::kOrlowainContact = QStringLiteral(
    "Battle Net ID: Hadrenfel\r\nE-Mail:  hadrenfel@example.org\r\nICQ: 10000002\r\n"
    "Guild: guild.example.org\r\n(Click for email/web)");
const QStringList StartWindow::kInfoLines = {
    QStringLiteral("Korvinth creates and evaluates characters for Diablo II:"),
    QStringLiteral("plan every skill point, quest point and reserved point."),
    QStringLiteral("It may be copied and passed on freely, unchanged and"),
    QStringLiteral("complete, as long as nobody is asked to pay for it."),
    QStringLiteral("Diablo II, its names and its pictures are trademarks"),
    QStringLiteral("of Blizzard Entertainment and belong to their owner;"),
    QStringLiteral("this planner is not made or endorsed by them."),
    QStringLiteral("Thanks to the players of the fan site at example.org"),
    QStringLiteral("for sharing their skill information."),
};

namespace {

// A frame's delay, kept in its Tag, becomes its timer's Interval; a frame
// without a delay (no frames loaded, or none at that index) leaves it.
void TakeDelay(forms::Timer& timer, const forms::Image* frame) {
  if (!frame) return;
  if (const auto delay = forms::NumericValue(frame->Tag())) timer.SetInterval(static_cast<int>(*delay));
}

struct PortraitPlace {
  int imgLeft, imgTop, lblLeft, lblTop, lblWidth;
};
constexpr PortraitPlace kPlaces[] = {
    {435, 3465, 525, 5730, 1515},   {2805, 4410, 2805, 6720, 1845}, {5085, 4995, 4980, 7110, 2310},
    {7425, 4425, 7650, 6720, 1425}, {9735, 3465, 9795, 5730, 1695},
};
static_assert(std::size(kPlaces) == kClasses.size(), "a place for each class, left to right");

std::string Std(std::string_view text) { return std::string(text); }

}  // namespace

StartWindow::StartWindow() : Form(std::string(kMainSelectName)) {
  using forms::Face;
  SetCaption(QStringLiteral("Diablo II Korvinth"));
  SetClientSize(12000, 9000);
  SetBackColor(Qt::black);
  SetPicture(Picture("start_background"));
  setWindowIcon(WindowIcon());
  SetMouseIcon(GauntletCursor());

  auto label = [this](const std::string& name, int left, int top, int width, int height,
                      std::string_view caption, const QFont& font,
                      forms::Alignment alignment) -> forms::Label& {
    forms::Label& l = AddLabel(name, left, top, width, height);
    l.SetCaption(forms::Latin1Text(caption));
    l.SetFont(font);
    l.SetForeColor(kGold);
    l.SetAlignment(alignment);
    return l;
  };
  const QFont bold12 = forms::MakeFont(Face::Display, 12, 900);
  const QFont plain = forms::MakeFont(Face::Sans, 8.25);

  lbl_Title = &label("lbl_Title", 3045, 3780, 5910, 525, "KORVINTH", forms::MakeFont(Face::Display, 18, 900),
                     forms::Alignment::Center);
  lbl_Title->onMouseMove = [this](const forms::MouseArgs&) { ResetHover(false); };
  label("Label3", 60, 15, 1875, 225, "Version 2.0.0", forms::MakeFont(Face::Display, 9.75, 900),
        forms::Alignment::Center);
  lbl_Close = &label("lbl_Close", 11640, 90, 285, 345, "X", forms::MakeFont(Face::Display, 15.75, 900),
                     forms::Alignment::Left);
  lbl_Close->onMouseMove = [this](const forms::MouseArgs&) { lbl_Close->SetForeColor(kGoldHighlight); };
  lbl_Close->onClick = [this] { lbl_Close_Click(); };

  for (int i = 0; i < static_cast<int>(portraits.size()); ++i) {
    Portrait& portrait = portraits[static_cast<std::size_t>(i)];
    portrait.info = &kClasses[static_cast<std::size_t>(i)];
    const ClassInfo& info = *portrait.info;
    const PortraitPlace& place = kPlaces[i];
    forms::Image& still = AddImage("img_" + Std(info.name) + "(0)", place.imgLeft, place.imgTop, 1830, 2520);
    still.SetPicture(Picture(info.portrait));
    still.onMouseMove = [this, i](const forms::MouseArgs&) { ClassHover(i); };
    still.onMouseDown = [this, i](const forms::MouseArgs&) { ChooseClass(i, true); };
    portrait.img = std::make_unique<forms::ImageArray>(still);
    portrait.lbl = &label("lbl_" + Std(info.name), place.lblLeft, place.lblTop, place.lblWidth, 285,
                          info.name, bold12, forms::Alignment::Center);
    portrait.lbl->onMouseMove = [this, i](const forms::MouseArgs&) { ClassHover(i); };
    portrait.lbl->onMouseDown = [this, i](const forms::MouseArgs&) { ChooseClass(i, false); };
    portrait.tim = &AddTimer("tim_Animate" + Std(info.animationTag), 0, true);
    portrait.tim->onTimer = [this, i] { AnimationTick(i); };
  }

  lbl_Loading =
      &label("lbl_Loading", 4395, 4395, 3180, 975, "Loading Images.", plain, forms::Alignment::Center);
  lbl_Loading->SetForeColor(kGoldHighlight);
  lbl_ContactInfo = &label("lbl_ContactInfo", 4410, 4395, 3180, 975, "", plain, forms::Alignment::Center);
  lbl_ContactInfo->SetForeColor(kGoldHighlight);
  lbl_ContactInfo->onMouseMove = [this](const forms::MouseArgs&) { ResetHover(false); };

  forms::Image& button = AddImage("Image1", 5070, 7560, 2250, 540);
  button.SetStretch(true);
  button.SetPicture(Picture("button"));
  lbl_Random = &label("lbl_Random", 5070, 7695, 2250, 270, "Random", bold12, forms::Alignment::Center);
  lbl_Random->onMouseMove = [this](const forms::MouseArgs&) { lbl_Random_MouseMove(); };
  lbl_Random->onClick = [this] { lbl_Random_Click(); };

  const QFont credit = forms::MakeFont(Face::Display, 9.75, 300);
  label("Label1", 390, 8190, 1815, 255, "Original By:", credit, forms::Alignment::Left);
  label("Label2", 2835, 8190, 1815, 255, "Redesign By:", credit, forms::Alignment::Left);
  img_Orlowain = &AddImage("img_Orlowain", 375, 8415, 2025, 540);
  img_Orlowain->SetToolTipText(QStringLiteral("Hadrenfel"));
  img_Orlowain->onMouseMove = [this](const forms::MouseArgs&) { img_Orlowain_MouseMove(); };
  img_Orlowain->onMouseDown = [this](const forms::MouseArgs&) { img_Orlowain_MouseDown(); };
  img_Tarnavel = &AddImage("img_Tarnavel", 2715, 8430, 2280, 450);
  img_Tarnavel->SetToolTipText(QStringLiteral("Tarnavel"));
  img_Tarnavel->onMouseMove = [this](const forms::MouseArgs&) { img_Tarnavel_MouseMove(); };
  img_Tarnavel->onMouseDown = [this](const forms::MouseArgs&) { img_Tarnavel_MouseDown(); };

  lb_Info = new forms::ListBox(*this, "lb_Info", 5295, 8130, 6675, 810);
  lb_Info->setFont(plain);
  lb_Info->setStyleSheet(
      QStringLiteral("QListWidget { color: %1; background: black; }").arg(forms::SheetColor(kGold)) +
      forms::ScrollBarRules({.track = QColor(48, 34, 14),
                             .thumb = kGold,
                             .thumbHover = kGoldHighlight,
                             .buttons = QColor(80, 57, 22)}));
  for (const QString& line : kInfoLines) lb_Info->AddItem(line);
  lb_Info->onKeyPress = [this](std::int16_t& key) { EscapeKey(key); };
}

void StartWindow::AddFocusHolders() {
  auto escape = [this](std::int16_t& key) { EscapeKey(key); };
  txt_Focus = new forms::TextBox(*this, "txt_Focus", 12045, 2550, 150, 285);
  txt_Focus->SetText(QStringLiteral("Text1"));
  txt_Focus->onKeyPress = escape;
  Command1 = new forms::Button(*this, "Command1", 12105, 7620, 2265, 435);
  Command1->setIcon(QIcon(Picture("button")));
  Command1->onClick = [this] { Command1_Click(); };
  Command1->onKeyPress = escape;
  setTabOrder(lb_Info, txt_Focus);
  setTabOrder(txt_Focus, Command1);
  txt_Focus->show();
  Command1->show();
  txt_Focus->setFocus();
}

void StartWindow::EscapeKey(std::int16_t& key) {
  if (key == forms::kKeyEscape) lbl_Close_Click();
}

void StartWindow::Form_Load() {
  Show();
  mod_Misc.LevelUps = 0;
  mod_Misc.ReservedPoints = 0;
  mod_Misc.BookOfSkillUses = 0;
  mod_Misc.DeathOfIzualUses = 0;
  mod_Misc.RandomRunning = kFalse;
  // DenOfEvilUses and the Izual caption are left as they are, on purpose: the load runs once, at start.
  QuestItem(Quest::BookOfSkill).SetCaption(*QuestCaption(Quest::BookOfSkill, 0, Writer::Window));
  QuestItem(Quest::DenOfEvil).SetCaption(*QuestCaption(Quest::DenOfEvil, 0, Writer::Window));

  // The window is shown and drawn before the animations load (they are only
  // seen once a class is pointed at) and before the two widgets that lie
  // outside it, the focus holder and a button, are made.
  forms::Services& platform = forms::services();
  platform.DoEvents();
  AddFocusHolders();
  if (platform.Ending()) return;
  const QDir folder(platform.AppPath());
  for (Portrait& portrait : portraits) {
    if (LoadGifFrames(folder.filePath(forms::Latin1Text(portrait.info->animationFile)), *portrait.img)) {
      AnimFrame = 0;
      TakeDelay(*portrait.tim, portrait.img->Element(0));
      portrait.tim->SetEnabled(false);
    }
    if (platform.Ending()) return;
    if (portrait.info->id == ClassId::Amazon) lbl_Loading->SetCaption(QStringLiteral("Loading Images.."));
    if (portrait.info->id == ClassId::Necromancer)
      lbl_Loading->SetCaption(QStringLiteral("Loading Images..."));
  }
  lbl_Loading->SetVisible(false);
}

void StartWindow::showEvent(QShowEvent* event) {
  Form::showEvent(event);
  // Shown again by a class window or the generator: the focus goes back to
  // the holder, as at start-up, so that one Tab reaches Command1.
  if (!event->spontaneous() && txt_Focus) txt_Focus->setFocus();
}

// Hover ---------------------------------------------------------------------

void StartWindow::ClassHover(int index) {
  portraits[static_cast<std::size_t>(index)].lbl->SetForeColor(kGoldHighlight);
  lbl_Random->SetForeColor(kGold);
  lbl_ContactInfo->SetCaption(QString());
  StartPortraitAnimation(index);
}

void StartWindow::ResetHover(bool clearContact) {
  ResetPortraits();
  for (Portrait& portrait : portraits) portrait.lbl->SetForeColor(kGold);
  lbl_Close->SetForeColor(kGold);
  lbl_Random->SetForeColor(kGold);
  if (clearContact) lbl_ContactInfo->SetCaption(QString());
}

void StartWindow::Form_MouseMove(const forms::MouseArgs&) { ResetHover(true); }

void StartWindow::lbl_Random_MouseMove() {
  ResetHover(false);  // everything at rest but "Random", which lights up
  lbl_Random->SetForeColor(kGoldHighlight);
  if (lbl_Loading->Visible()) lbl_Loading->SetVisible(false);
  lbl_ContactInfo->SetCaption(QStringLiteral("Generate a random character."));
}

// Choices and exits -----------------------------------------------------------

void StartWindow::ChooseClass(int index, bool byPortrait) {
  ShowClassWindow(ClassWindowOf(portraits[static_cast<std::size_t>(index)].info->id));
  // By its name label the class stays highlighted and animating.
  if (byPortrait) ResetHover(true);
}

void StartWindow::lbl_Random_Click() {
  ResetHover(false);
  frm_RandomGenerator.Show();
  Hide();
}

void StartWindow::Command1_Click() { frm_RandomGenerator.Show(); }

void StartWindow::lbl_Close_Click() { forms::services().EndProgram(); }

void StartWindow::Form_KeyPress(std::int16_t& KeyAscii) {
  if (KeyAscii == forms::kKeyEscape) lbl_Close_Click();
}

void StartWindow::Form_QueryClose() { lbl_Close_Click(); }

// Animation -------------------------------------------------------------------

void StartWindow::StartPortraitAnimation(int index) {
  for (int i = 0; i < static_cast<int>(portraits.size()); ++i) {
    if (i != index) portraits[static_cast<std::size_t>(i)].tim->SetEnabled(false);
  }
  Portrait& portrait = portraits[static_cast<std::size_t>(index)];
  const QString tag = forms::Latin1Text(portrait.info->animationTag);
  if (AnimClass == tag) return;
  AnimFrame = 0;
  // A portrait without frames has no delay to take: its timer stays at 0.
  TakeDelay(*portrait.tim, portrait.img->Element(0));
  portrait.tim->SetEnabled(true);
  AnimClass = tag;
}

void StartWindow::ResetPortraits() {
  AnimClass = QStringLiteral("blank");
  for (Portrait& portrait : portraits) portrait.tim->SetEnabled(false);
  for (Portrait& portrait : portraits) (*portrait.img)[0].SetVisible(true);
}

void StartWindow::AnimationTick(int index) {
  Portrait& portrait = portraits[static_cast<std::size_t>(index)];
  forms::ImageArray& frames = *portrait.img;
  // One wrap bound for all five portraits: the frame count of the portrait
  // loaded last. A portrait with fewer frames shows nothing until the wrap,
  // and one with more never shows its extra frames. Both are kept on purpose.
  if (AnimFrame >= GifLastFrame) {
    AnimFrame = 0;
    for (int i = 1; i < frames.Count(); ++i) frames[i].SetVisible(false);
    frames[0].SetVisible(true);
    TakeDelay(*portrait.tim, &frames[0]);
    return;
  }
  if (forms::Image* shown = frames.Element(AnimFrame)) shown->SetVisible(false);
  ++AnimFrame;
  if (forms::Image* next = frames.Element(AnimFrame)) next->SetVisible(true);
  TakeDelay(*portrait.tim, frames.Element(AnimFrame));
}

// Credits -----------------------------------------------------------------------

void StartWindow::img_Tarnavel_MouseMove() {
  if (lbl_Loading->Visible()) lbl_Loading->SetVisible(false);
  lbl_ContactInfo->SetCaption(kTarnavelContact);
}

void StartWindow::img_Orlowain_MouseMove() { lbl_ContactInfo->SetCaption(kOrlowainContact); }

void StartWindow::img_Tarnavel_MouseDown() { forms::services().PopupMenu(*this, frm_Menu->mnu_Tarnavel); }

void StartWindow::img_Orlowain_MouseDown() {
  if (lbl_Loading->Visible()) lbl_Loading->SetVisible(false);
  forms::services().PopupMenu(*this, frm_Menu->mnu_OrlowainPop);
}

}  // namespace korvinth
