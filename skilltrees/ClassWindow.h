// The class window: one design for the five classes, filled from a class's
// constant data. Three skill trees of ten skills, the plan history, the
// status line, the notice line and the five commands.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "core/PlannerWindow.h"
#include "forms/Control.h"
#include "forms/Form.h"
#include "forms/Timer.h"
#include "forms/Widgets.h"
#include "skilltrees/ClassData.h"

namespace korvinth {

class ClassWindow : public forms::Form, public PlannerWindow {
 public:
  explicit ClassWindow(ClassId id) : ClassWindow(id, ClassDefOf(id)) {}
  // The class's window built from other data (a test's changed copy).
  ClassWindow(ClassId id, const ClassDef& data);

  const ClassInfo& Class() const { return class_; }
  const ClassDef& Data() const { return data_; }

  // One skill tree: its data and its two control arrays.
  struct Tree {
    const TreeDef* def = nullptr;
    std::array<forms::Image*, 10> img{};  // img_<Tree>(0..9)
    std::array<forms::Label*, 10> lbl{};  // lbl_<Tree>(0..9), the skills' points
  };
  // Panels left, middle, right (also the random buckets 1, 2, 3).
  std::array<Tree, 3> trees;

  forms::ListBox* lb_SkillsPerLevel = nullptr;
  forms::Label* lbl_Description = nullptr;
  forms::Label* lbl_UnAvail = nullptr;
  forms::Timer* tim_Unavail = nullptr;
  forms::Label* lbl_Char = nullptr;
  forms::Label* lbl_CharLevel = nullptr;
  forms::Label* lbl_SkillLevel = nullptr;
  forms::Label* lbl_Reserved = nullptr;
  forms::Label* lbl_Save = nullptr;
  forms::Label* lbl_Reset = nullptr;
  forms::Label* lbl_ChangeClass = nullptr;
  forms::Label* lbl_UndoLast = nullptr;
  forms::Label* lbl_Close = nullptr;
  forms::Label* lbl_Notice = nullptr;
  forms::Image* img_CommandColumn = nullptr;  // img_ButtonBack or img_MenuBack
  forms::Image* img_BottomPanel = nullptr;    // Image12 or Image10
  forms::Shape* sh_Outline = nullptr;
  // lbl_Level1, lbl_Level6, ..., lbl_Level30.
  std::array<forms::Label*, 6> lbl_Level{};
  // lbl_Summon, lbl_PB, Label1: the headings of panels 1, 2 and 3.
  std::array<forms::Label*, 3> lbl_Heading{};

  // The window's controls by their names.
  forms::Control* ControlNamed(const std::string& name) const;

  // Handlers.
  void Form_Load() override;
  void Form_MouseMove(const forms::MouseArgs& args) override;
  void Form_QueryClose() override;
  void tim_Unavail_Timer();
  void img_Tree_Click(int tree, std::int16_t Index);
  void img_Tree_MouseDown(int tree, std::int16_t Index, const forms::MouseArgs& args);
  void img_Tree_MouseMove(int tree, std::int16_t Index);
  void lbl_UndoLast_Click();
  void lbl_Reset_Click();
  void lbl_ChangeClass_Click();
  void lbl_Close_Click();
  void lbl_Save_Click();
  void lb_SkillsPerLevel_KeyPress(std::int16_t& KeyAscii);
  void HoverReset();

  // The hover texts of the command labels.
  static const QString kSaveHover;
  static const QString kResetHover;
  static const QString kChangeClassHover;
  static const QString kUndoLastHover;
  static const QString kCloseHover;

  // PlannerWindow.
  forms::Label& UnAvailLabel() override { return *lbl_UnAvail; }
  forms::Timer& UnAvailTimer() override { return *tim_Unavail; }
  forms::Label& LevelLabel(int row) override;
  forms::Label& ReservedLabel() override { return *lbl_Reserved; }
  forms::Label& CharLevelLabel() override { return *lbl_CharLevel; }
  forms::Label& SkillLevelLabel() override { return *lbl_SkillLevel; }
  forms::ListBox& History() override { return *lb_SkillsPerLevel; }
  void TreeClick(std::string_view treeCode, std::int16_t index) override;

 private:
  void BuildFrame();
  void BuildTrees();
  void ApplyPlacements();
  forms::Label& AddCommand(const char* name, const char* caption, int left, int top, const QString& hover);
  void Refuse();
  void RaiseLabel(forms::Label& points) const;
  void AppendLine(const QString& line);
  void CompletionCheck();
  void DistributeRandomPoints();

  const ClassInfo& class_;
  const ClassDef& data_;
  std::map<std::string, forms::Control*, std::less<>> named_;
};

// The panel (0 left, 1 middle, 2 right) that a tree draw of the random fill
// picks: draws 1 to 9, 10 to 19 and 20 to 30, so the panels get 9, 10 and 11
// of the 30 draws. The uneven split is kept on purpose.
constexpr int PanelOfTreeDraw(int draw) { return draw < 10 ? 0 : (draw < 20 ? 1 : 2); }

// The class window of each class of the table, under the class's window name.
forms::FormRef<ClassWindow>& ClassWindowOf(ClassId id);
// The five class windows by name.
extern forms::FormRef<ClassWindow>& frm_NecroSkill;
extern forms::FormRef<ClassWindow>& frm_AmazonSkill;
extern forms::FormRef<ClassWindow>& frm_BarbarianSkill;
extern forms::FormRef<ClassWindow>& frm_Paladin;
extern forms::FormRef<ClassWindow>& frm_Sorceress;

// Only one class window is open at a time, since they all share the one
// character state. Closing a class window here resets its plan and unloads
// it, as CHANGE CLASS does, without showing the start window.
void CloseClassWindows(const forms::FormRefBase* keep = nullptr);
// Shows a class window (loading it on first use) as the only one open and
// hides the start window.
void ShowClassWindow(forms::FormRefBase& window);

}  // namespace korvinth
