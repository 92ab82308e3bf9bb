#include "core/MenuWindow.h"

#include <string>
#include <string_view>

#include "core/Classes.h"
#include "core/Limits.h"
#include "core/Misc.h"
#include "core/Notices.h"
#include "core/PlannerWindow.h"
#include "core/Quests.h"
#include "core/WindowNames.h"
#include "forms/Control.h"
#include "forms/Convert.h"
#include "forms/Services.h"
#include "forms/Widgets.h"

namespace korvinth {

forms::FormRef<MenuWindow> frm_Menu{std::string(kMenuName)};

namespace {

// The class window of the right-clicked tree through its global reference,
// created when it is not loaded; nullptr for an unknown code.
PlannerWindow* WindowOfCurrentTree(std::string_view* code = nullptr) {
  const QByteArray tree = mod_Misc.CurrentTree.toUtf8();
  const std::string_view current(tree.constData(), static_cast<std::size_t>(tree.size()));
  for (const ClassInfo& info : kClasses) {
    for (std::string_view treeCode : info.trees) {
      if (current != treeCode) continue;
      if (code) *code = treeCode;
      return dynamic_cast<PlannerWindow*>(&forms::FormRefBase::Require(info.window).Get());
    }
  }
  return nullptr;
}

void UseQuest(Quest quest) {
  std::int16_t& uses = QuestUses(quest);
  ++uses;
  QuestPending(quest) = kTrue;
  if (uses != QuestMaxUses(quest)) {
    const std::optional<QString> caption = QuestCaption(quest, uses, Writer::QuestProcedure);
    if (!caption) {
      // A guard the menu never reaches: it offers no item past its last use.
      ShowQuestLimitMessage();
      return;
    }
    QuestItem(quest).SetCaption(*caption);
  }
  ClickCurrentSkill();
}

}  // namespace

MenuWindow::MenuWindow() : Form(std::string(kMenuName)) {
  // The popup menus' holder keeps the default caption it was first given, on purpose.
  SetCaption(QStringLiteral("Form1"));
  mnu_ReservePoint.onClick = [] { ReserveSkillPoint(); };
  mnu_UseReserve.onClick = [] { UseReservedPoint(); };
  mnu_DenOfEvil.onClick = [] { UseDenOfEvil(); };
  mnu_BookOfSkill.onClick = [] { UseBookOfSkill(); };
  mnu_DeathOfIzual.onClick = [] { UseDeathOfIzual(); };
  mnu_SkillInfo.onClick = [this] { mnu_SkillInfo_Click(); };
  auto link = [](const char* url) { return [url] { forms::services().OpenLink(QString::fromLatin1(url)); }; };
  mnu_OrlowainEmail.onClick = link(kOrlowainMail);
  mnu_OrlowainWeb.onClick = link(kOrlowainWeb);
  mnu_TarnavelEmail.onClick = link(kTarnavelMail);
  mnu_TarnavelSite.onClick = link(kTarnavelWeb);
}

void MenuWindow::mnu_SkillInfo_Click() {
  forms::FormRefBase& stats = forms::FormRefBase::Require(kSkillStatsName);
  // Always a fresh window, so that its load reads the last right-clicked skill.
  if (IsFormLoaded(kSkillStatsName)) stats.Unload();
  stats.Show();
}

void ClickCurrentSkill() {
  std::string_view code;
  if (PlannerWindow* window = WindowOfCurrentTree(&code)) window->TreeClick(code, mod_Misc.CurrentSkillIndex);
}

void UseDenOfEvil() { UseQuest(Quest::DenOfEvil); }
void UseBookOfSkill() { UseQuest(Quest::BookOfSkill); }
void UseDeathOfIzual() { UseQuest(Quest::DeathOfIzual); }

void UseReservedPoint() {
  // The click refuses when nothing is held in reserve.
  mod_Misc.UseReserve = kTrue;
  ClickCurrentSkill();
}

void ReserveSkillPoint() {
  PlannerWindow* window = WindowOfCurrentTree();
  if (!window) return;
  if (mod_Misc.LevelUps + 1 >= kMaxLevel) {
    // No route raises the character past level 99.
    ShowNotice(*window, kLevelCapMessage);
    return;
  }
  ++mod_Misc.LevelUps;
  ++mod_Misc.ReservedPoints;
  ShowReservedPoints(*window);
  forms::ListBox& history = window->History();
  history.AddItem(QStringLiteral("Clvl %1 Reserved For Later ").arg(mod_Misc.LevelUps + 1));
  ShowLevel(*window, QStringLiteral("Skill Level "));
  history.SetListIndex(history.ListCount() - 1);
  RefreshLevelNotices();
}

}  // namespace korvinth
