// The Barbarian's window: Combat Masteries, Warcries and Combat Skills.
//
// The tree codes are spelled "BarBar..." while the control arrays are named
// "Barbarian...": the codes are what the popup and the statistics window key
// on, so both spellings stay as they are.
#include "skilltrees/ClassData.h"

namespace korvinth {
namespace {

constexpr Connector kConnectors[] = {
    {"Line6", 1860, 2340, 1860, 3570},     // Increase Stamina to Increase Speed
    {"Line4", 3480, 3075, 3480, 4830},     // Iron Skin to Natural Resistance
    {"Line9", 4665, 630, 4665, 4935},      // Howl, Taunt, Battlecry, War Cry
    {"Line7(0)", 4665, 945, 5370, 1440},   // Howl into Shout
    {"Line10", 5490, 1425, 5490, 4785},    // Shout, Battle Orders, Battle Command
    {"Line12", 4890, 4785, 5475, 4200},    // Battle Orders to War Cry
    {"Line8", 6345, 675, 6345, 4080},      // Find Health Potion, Find Item, Grim Ward
    {"Line14", 7470, 1650, 7455, 4770},    // Leap, Leap Attack, Whirlwind
    {"Line7(2)", 7470, 4170, 8205, 3690},  // Concentrate to Whirlwind
    {"Line13", 8235, 840, 8235, 4725},     // Bash, Stun, Concentrate, Beserker
    {"Line7(1)", 8265, 435, 9015, 885},    // Bash across to the Double Swing column
    {"Line15", 9015, 885, 9015, 4065},     // Double Swing, Double Throw, Frenzy
};

// Shout has no arrowhead: its diagonal connector runs straight into the icon.
constexpr Arrowhead kArrowheads[] = {
    {"Image8", 1665, 3435, false},     // Increase Speed
    {"Image3(0)", 3285, 4260, false},  // Natural Resistance
    {"Image3(6)", 4455, 930, false},   // Taunt
    {"Image3(4)", 4470, 2580, false},  // Battlecry
    {"Image3(5)", 4455, 4260, false},  // War Cry
    {"Image3(3)", 5295, 3420, false},  // Battle Orders
    {"Image9(0)", 5295, 4260, false},  // Battle Command
    {"Image3(1)", 6150, 1725, false},  // Find Item
    {"Image3(2)", 6150, 3435, false},  // Grim Ward
    {"Image9(1)", 7275, 2580, false},  // Leap Attack
    {"Image9(4)", 7260, 4245, false},  // Whirlwind
    {"Image9(6)", 8040, 1725, false},  // Stun
    {"Image9(3)", 8040, 2580, false},  // Concentrate
    {"Image9(5)", 8040, 4260, false},  // Beserker
    {"Image9(8)", 8820, 930, false},   // Double Swing
    {"Image9(2)", 8820, 1755, false},  // Double Throw
    {"Image9(7)", 8835, 3435, false},  // Frenzy
};

// This window was laid out apart from the common frame: the row labels sit at
// the very left edge, the commands and the status line are shifted, and the
// history and description start a little lower.
constexpr Placement kPlacements[] = {
    {"lbl_Level1", {0, 570, 0, 0}},
    {"lbl_Level6", {0, 1380, 0, 0}},
    {"lbl_Level12", {0, 2175, 0, 0}},
    {"lbl_Level18", {0, 3000, 0, 0}},
    {"lbl_Level24", {0, 3885, 0, 0}},
    {"lbl_Level30", {0, 4695, 0, 0}},
    {"lbl_Save", {9765, 1080, 0, 0}},
    {"lbl_Reset", {9750, 1875, 0, 0}},
    {"lbl_ChangeClass", {9720, 2685, 0, 0}},
    {"lbl_UndoLast", {9720, 3525, 0, 0}},
    {"lbl_Close", {9720, 4350, 0, 0}},
    {"lbl_Char", {1140, 5265, 0, 0}},
    {"lbl_CharLevel", {3300, 5340, 0, 0}},
    {"lbl_SkillLevel", {5235, 5340, 0, 0}},
    {"lbl_Reserved", {7290, 5340, 2055, 210}},
    {"lb_SkillsPerLevel", {510, 6000, 0, 0}},
    {"lbl_Description", {4410, 6000, 0, 0}},
    {"lbl_Summon", {1365, -15, 0, 0}},
    {"Image10", {-90, 5595, 0, 0}},
};

constexpr Prerequisite kNone{};

constexpr TreeDef kCombatMasteries{
    .code = "BarBarCM",
    .arrayName = "BarbarianCM",
    .heading = "Combat Masteries",
    .denOfEvilLevels = {35, 24, 3},
    .skills = {{
        {.name = "Sword Mastery",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {1575, 390},
         .label = {2145, 765},
         .tooltip = "Improve sword fighting skill.",
         .description =
             "(Passive)'Improve sword fighting skill'. Raises attack rating, damage and the chance of a "
             "critical strike whenever a sword is in hand. A Barbarian who means to swing a pair of blades "
             "or one great two-handed sword puts his early points here, since the bonus keeps growing with "
             "every point.",
         .note = ""},
        {.name = "Axe Mastery",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {2400, 390},
         .label = {2940, 765},
         .tooltip = "Improve axe fighting skill.",
         .description =
             "(Passive)'Improve axe fighting skill'. Adds damage, attack rating and critical strikes with "
             "axes. Axes come in every size from hatchets to huge war axes, so this mastery suits both a "
             "Barbarian who fights with one in each hand and one who carries a single heavy blade for "
             "Whirlwind.",
         .note = ""},
        {.name = "Mace Mastery",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {3210, 390},
         .label = {3765, 765},
         .tooltip = "Improve mace fighting skill.",
         .description =
             "(Passive)'Improve mace fighting skill'. Makes maces, hammers and clubs hit harder and more "
             "often. Blunt weapons do extra harm to the undead, which makes this the mastery for a fighter "
             "who expects to spend his days clearing crypts and tombs.",
         .note = ""},
        {.name = "Pole-Arm Mastery",
         .level = 6,
         .prerequisites = {kNone, kNone},
         .icon = {1575, 1200},
         .label = {2145, 1545},
         .tooltip = "Improve polearm fighting skill.",
         .description =
             "(Passive)'Improve pole-arm skill'. Strengthens every attack made with a pole-arm. Halberds, "
             "scythes and poleaxes are slow but reach far and strike very hard, so this mastery rewards a "
             "patient fighter who hits first and lets the monsters walk into his blade.",
         .note = ""},
        {.name = "Throwing Mastery",
         .level = 6,
         .prerequisites = {kNone, kNone},
         .icon = {2400, 1200},
         .label = {2940, 1545},
         .tooltip = "Improve thrown weapon skill.",
         .description =
             "(Passive)'Improve thrown weapon skill'. Improves damage and accuracy with throwing axes, "
             "knives and javelins. It is worth its points for a Barbarian built around Double Throw; a pure "
             "melee fighter can leave it empty and spend the points on the mastery of his weapon.",
         .note = ""},
        {.name = "Spear Mastery",
         .level = 6,
         .prerequisites = {kNone, kNone},
         .icon = {3210, 1200},
         .label = {3765, 1530},
         .tooltip = "Improve spear fighting skill.",
         .description =
             "(Passive)'Improve spear fighting skill'. Raises damage and attack rating with spears and "
             "tridents. Spears join long reach to quick thrusts and make a good match for Whirlwind. Most "
             "plans settle on one weapon mastery and fill it, rather than spreading points over several.",
         .note = ""},
        {.name = "Increase Stamina",
         .level = 12,
         .prerequisites = {kNone, kNone},
         .icon = {1575, 2010},
         .label = {2130, 2325},
         .tooltip = "Increases stamina.",
         .description =
             "'Increases stamina'. A lasting bonus to the stamina pool, so the Barbarian can run for longer "
             "before he drops to a walk. One point is usually enough; it is mostly taken on the way to "
             "Increase Speed.",
         .note = ""},
        {.name = "Iron Skin",
         .level = 18,
         .prerequisites = {kNone, kNone},
         .icon = {3210, 2835},
         .label = {3765, 3225},
         .tooltip = "(Passive) Improved defense rating.",
         .description =
             "(Passive)'Improved defense rating'. Raises the defense of whatever armor the Barbarian wears, "
             "so fewer blows get through. It opens the way to Natural Resistance and is a steady place for "
             "spare points in a fighter who stands at the front of every battle.",
         .note = ""},
        {.name = "Increase Speed",
         .level = 24,
         .prerequisites = {{{6, "Increase Stamina"}, kNone}},
         .icon = {1575, 3705},
         .label = {2145, 4080},
         .tooltip = "(Passive) Boosts walk and run velocity.",
         .description =
             "(Passive)'Boosts walk and run velocity'. The Barbarian moves faster at all times, walking or "
             "running. A melee fighter with no ranged attack wins a lot by reaching his targets sooner, and "
             "even a single point makes a plain difference.",
         .note = ""},
        {.name = "Natural Resistance",
         .level = 30,
         .prerequisites = {{{7, "Iron Skin"}, kNone}},
         .icon = {3210, 4530},
         .label = {3765, 4875},
         .tooltip = "(Passive) Increase natural resistances.",
         .description =
             "(Passive)'Increase natural resistances'. Adds to the resistances against fire, cold, lightning "
             "and poison. The resistance penalties grow harsher with each difficulty, so a Barbarian headed "
             "for Hell does well to put points here once his main attack is strong enough.",
         .note = ""},
    }},
    .undoOrder = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
};

constexpr TreeDef kWarcries{
    .code = "BarBarWC",
    .arrayName = "BarbarianWC",
    .heading = "Warcries",
    .denOfEvilLevels = {35, 24, 3},
    .skills = {{
        {.name = "Howl",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {4380, 390},
         .label = {4920, 765},
         .tooltip = "Frighten nearby monsters.",
         .description =
             "'Frighten nearby monsters'. The monsters around the Barbarian turn and flee for a while. It "
             "helps to break out of a crowd or to split a pack before wading in. One point opens Taunt and "
             "Shout and is usually all this cry ever gets.",
         .note = ""},
        {.name = "Find Health Potion",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {6060, 390},
         .label = {6600, 720},
         .tooltip = "Find health potion.",
         .description =
             "'Find health potion'. Used on a corpse, it may pull a healing potion out of it; more points "
             "raise the chance. It keeps the belt filled through long fights and is the first step on the "
             "way to Find Item and Grim Ward.",
         .note = ""},
        {.name = "Taunt",
         .level = 6,
         .prerequisites = {{{0, "Howl"}, kNone}},
         .icon = {4365, 1185},
         .label = {4920, 1545},
         .tooltip = "Taunt target creature to attack you.",
         .description =
             "'Taunt target creature to attack you'. Draws one monster out of its group and makes it come "
             "straight at the Barbarian, with its attack and damage lowered. Handy for splitting packs and "
             "for pulling archers and casters away from their friends. It leads to Battlecry.",
         .note = ""},
        {.name = "Shout",
         .level = 6,
         .prerequisites = {{{0, "Howl"}, kNone}},
         .icon = {5220, 1185},
         .label = {5745, 1545},
         .tooltip = "Alert party to attacker's improving armor class.",
         .description =
             "'Alert party to attacker's improving armor class'. Raises the defense of the Barbarian and "
             "every party member near him for a time. Points add both to the bonus and to how long it "
             "lasts, and one point is needed for Battle Orders.",
         .note = ""},
        {.name = "Find Item",
         .level = 12,
         .prerequisites = {{{1, "Find Health Potion"}, kNone}},
         .icon = {6060, 2010},
         .label = {6600, 2325},
         .tooltip = "Target corpses to find hidden treasures.",
         .description =
             "'Target corpses to find hidden treasures'. Searches the body of a slain monster for a second "
             "drop of gold, potions or items. Players who hunt for gear often fill it; others stop at one "
             "point on the way to Grim Ward.",
         .note = ""},
        {.name = "Battlecry",
         .level = 18,
         .prerequisites = {{{2, "Taunt"}, kNone}},
         .icon = {4365, 2835},
         .label = {4920, 3225},
         .tooltip = "Fearsome cry reduces enemy effectiveness.",
         .description =
             "'Fearsome cry reduces enemy effectiveness'. Lowers both the defense and the damage of the "
             "monsters around the Barbarian. A strong opening move against tough groups and bosses, and "
             "one of the two cries that War Cry needs.",
         .note = ""},
        {.name = "Battle Orders",
         .level = 24,
         .prerequisites = {{{3, "Shout"}, kNone}},
         .icon = {5220, 3690},
         .label = {5745, 4080},
         .tooltip = "Improve party members' life, mana and stamina.",
         .description =
             "'Improve party members' life, mana and stamina'. Raises the maximum life, mana and stamina of "
             "the whole party for a long time. Few skills are wanted as much in a group: even a handful of "
             "points makes everyone far harder to kill. It leads to War Cry and Battle Command.",
         .note = ""},
        {.name = "Grim Ward",
         .level = 24,
         .prerequisites = {{{4, "Find Item"}, kNone}},
         .icon = {6060, 3705},
         .label = {6600, 4080},
         .tooltip = "Target a corpse to create frightening totems.",
         .description =
             "'Target a corpse to create frightening totems'. Turns a body into a grisly totem that scares "
             "off any monster that comes near it. It can guard a doorway or a wounded friend, though most "
             "plans give it no more than a point.",
         .note = ""},
        {.name = "War Cry",
         .level = 30,
         .prerequisites = {{{5, "Battlecry"}, {6, "Battle Orders"}}},
         .icon = {4365, 4530},
         .label = {4920, 4860},
         .tooltip = "Injure and stun all nearby enemies.",
         .description =
             "'Injure and stun all nearby enemies'. Hurts every monster around the Barbarian and leaves "
             "them stunned. It needs both Battlecry and Battle Orders, and a Barbarian who fights with his "
             "voice rather than his weapon makes it his main attack.",
         .note = ""},
        {.name = "Battle Command",
         .level = 30,
         .prerequisites = {{{6, "Battle Orders"}, kNone}},
         .icon = {5220, 4530},
         .label = {5745, 4875},
         .tooltip = "Increase party members skill levels.",
         .description =
             "'Increase party members skill levels'. Adds a level to every skill of the Barbarian and his "
             "party while it lasts. Cast it before Battle Orders, so that the orders gain the extra level "
             "too; one point already does the job.",
         .note = ""},
    }},
    .undoOrder = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
};

constexpr TreeDef kCombatSkills{
    .code = "BarBarCS",
    .arrayName = "BarbarianCS",
    .heading = "Combat Skills",
    .denOfEvilLevels = {35, 24, 3},
    .skills = {{
        {.name = "Bash",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {7950, 390},
         .label = {8490, 735},
         .tooltip = "Bash a target for extra damage.",
         .description =
             "'Bash a target for extra damage'. A heavy blow that adds damage and knocks the target back. "
             "It is the root of the tree: one point opens Double Swing and Stun, and more are only worth it "
             "while it is still the attack you use.",
         .note = ""},
        {.name = "Leap",
         .level = 6,
         .prerequisites = {kNone, kNone},
         .icon = {7185, 1200},
         .label = {7725, 1530},
         .tooltip = "Jump over obstacles.",
         .description =
             "'Jump over obstacles'. The Barbarian jumps to a chosen spot and knocks back the monsters "
             "where he lands. Good for escaping when surrounded or for crossing gaps, and one point opens "
             "Leap Attack.",
         .note = ""},
        {.name = "Double Swing",
         .level = 6,
         .prerequisites = {{{0, "Bash"}, kNone}},
         .icon = {8745, 1200},
         .label = {9285, 1530},
         .tooltip = "Swing two weapons at once.",
         .description =
             "'Swing two weapons at once'. With a weapon in each hand the Barbarian strikes with both, at "
             "one target or two. It needs Bash and lies on the way to Double Throw and Frenzy, so every "
             "dual wielder passes through it.",
         .note = ""},
        {.name = "Stun",
         .level = 12,
         .prerequisites = {{{0, "Bash"}, kNone}},
         .icon = {7950, 2010},
         .label = {8475, 2340},
         .tooltip = "Stuns your target.",
         .description =
             "'Stuns your target'. A blow that leaves the target unable to act for a moment. It buys time "
             "against one dangerous monster and is the step from Bash to Concentrate.",
         .note = ""},
        // The tag line of this skill has no closing quote; the prose follows it.
        {.name = "Double Throw",
         .level = 12,
         .prerequisites = {{{2, "Double Swing"}, kNone}},
         .icon = {8745, 2010},
         .label = {9300, 2340},
         .tooltip = "Throw two weapons at once.",
         .description =
             "'Throw two weapons at once. Both hands throw together, each at its own target when two are "
             "near. Pair it with Throwing Mastery and a good stack of throwing axes or javelins; a melee "
             "plan takes a single point on the way to Frenzy.",
         .note = ""},
        {.name = "Leap Attack",
         .level = 18,
         .prerequisites = {{{1, "Leap"}, kNone}},
         .icon = {7185, 2850},
         .label = {7725, 3180},
         .tooltip = "Leap to and attack target enemy.",
         .description =
             "'Leap to and attack target enemy'. The Barbarian jumps onto a monster and strikes it as he "
             "lands, closing the distance in one move. Very useful against archers and casters that keep "
             "their distance, and one of the two skills Whirlwind needs.",
         .note = ""},
        {.name = "Concentrate",
         .level = 18,
         .prerequisites = {{{3, "Stun"}, kNone}},
         .icon = {7935, 2850},
         .label = {8475, 3195},
         .tooltip = "Attack that is not interruptible.",
         .description =
             "'Attack that is not interruptible'. A strong attack that no blow can break off, and that "
             "raises the Barbarian's defense while he uses it. A solid single target attack, needed for "
             "both Whirlwind and Beserker.",
         .note = ""},
        {.name = "Frenzy",
         .level = 24,
         .prerequisites = {{{4, "Double Throw"}, kNone}},
         .icon = {8745, 3690},
         .label = {9300, 4020},
         .tooltip = "Successful hit increases speed.",
         .description =
             "'Successful hit increases speed'. Every hit with two weapons makes the Barbarian attack and "
             "run faster for a while. A favourite of dual wielders, who build up speed in one fight and "
             "carry it into the next.",
         .note = ""},
        {.name = "Whirlwind",
         .level = 30,
         .prerequisites = {{{5, "Leap Attack"}, {6, "Concentrate"}}},
         .icon = {7185, 4530},
         .label = {7725, 4845},
         .tooltip = "Moving, spinning, attacking.",
         .description =
             "'Moving, spinning, attacking'. The Barbarian spins through a crowd and strikes everything on "
             "his path. It needs Leap Attack and Concentrate and is the main attack of many Barbarian plans; "
             "a strong weapon and its mastery matter most.",
         .note = ""},
        {.name = "Beserker",
         .level = 30,
         .prerequisites = {{{6, "Concentrate"}, kNone}},
         .icon = {7935, 4530},
         .label = {8475, 4845},
         .tooltip = "Powerful but reckless attack.",
         .description =
             "'Powerful but reckless attack'. A heavy blow of magic damage that leaves the Barbarian's "
             "defense at nothing for a short time. It cuts through monsters that shrug off plain damage, "
             "but it asks for care in a crowd.",
         .note = ""},
    }},
    // ": Leap" begins ": Leap Attack", so undo must try Leap Attack first.
    .undoOrder = {0, 5, 1, 2, 3, 4, 6, 7, 8, 9},
};

}  // namespace

const ClassDef kBarbarian{
    .charCentred = true,
    .commandColumnName = "img_MenuBack",
    .bottomPanelName = "Image10",
    .bands = {{
        {-15, 315, 0x420100},
        {-105, 1125, 0x4D0F00},
        {-105, 1935, 0x5B2101},
        {-90, 2775, 0x6B3202},
        {-105, 3630, 0x7B4503},
        {-45, 4470, 0x885504},
    }},
    .trees = {{kCombatMasteries, kWarcries, kCombatSkills}},
    .connectors = kConnectors,
    .arrowheads = kArrowheads,
    .placements = kPlacements,
    .reserveUndoText = "Skill Points: ",
    .levelUndoText = "Skill Level ",
};

}  // namespace korvinth
