// The Amazon's window: Javelin and Spear, Passive and Magic, Bow and Crossbow.
//
// The window was laid out a little apart from the common frame (status line
// further right, history and description lower, level bands starting further
// left), hence its placements. The Javelin and Spear tree offers Den Of Evil
// at later levels than every other tree.
#include "skilltrees/ClassData.h"

namespace korvinth {
namespace {

constexpr Connector kConnectors[] = {
    {"Line6", 1860, 765, 1860, 3570},      // Jab, Impale, Fend
    {"Line3", 1860, 1095, 2580, 1560},     // Jab into Power Strike
    {"Line5", 2685, 1485, 2685, 4860},     // Power Strike, Charged Strike, Lightning Strike
    {"Line7(0)", 2685, 2625, 3195, 2295},  // Lightning Bolt into Line5 for Charged Strike
    {"Line4", 3480, 1365, 3480, 4830},     // Poison Javelin, Lightning Bolt, Plague Javelin, Lightning Fury
    {"Line9", 4665, 630, 4650, 4500},      // Inner Sight, Slow Missiles, Duplicate, Valkyrie
    {"Line10", 5490, 1425, 5490, 4140},    // Dodge, Avoid, Evade
    {"Line12", 4890, 4785, 5475, 4200},    // Evade to Valkyrie
    {"Line8", 6345, 675, 6345, 4800},      // Critical Strike, Penetrate, Pierce
    {"Line14", 7470, 1650, 7455, 4770},    // Cold Arrow, Ice Arrow, Freezing Arrow
    {"Line7(1)", 7485, 2070, 8235, 2520},  // Cold Arrow across into Line13 for Guided Arrow
    {"Line13", 8235, 855, 8235, 4020},     // Magic Arrow, Multi-Shot, Guided, Strafing Arrow
    {"Line7(2)", 8280, 2070, 9075, 2415},  // Multi-Shot Arrow into Exploding Arrow
    {"Line15", 9015, 885, 9015, 4065},     // Fire Arrow, Exploding Arrow, Immolating Arrow
};

// Image4 and Image9(8) sit in empty slots of their columns and point along the
// connector rather than into an icon.
constexpr Arrowhead kArrowheads[] = {
    {"Image7", 1665, 1740, false},     // Impale
    {"Image8", 1665, 3435, false},     // Fend
    {"Image5", 2490, 2595, false},     // Charged Strike
    {"Image4", 2490, 3435, false},     // empty level 24 slot on Line5
    {"Image6", 2490, 4275, false},     // Lightning Strike
    {"Image2", 3285, 1770, false},     // Lightning Bolt
    {"Image3(7)", 3285, 2595, false},  // Plague Javelin
    {"Image3(0)", 3270, 4260, false},  // Lightning Fury
    {"Image3(4)", 4470, 1740, false},  // Slow Missiles
    {"Image3(6)", 4455, 3450, false},  // Duplicate
    {"Image3(5)", 4455, 4260, false},  // Valkyrie
    {"Image9(0)", 5295, 1740, false},  // Avoid
    {"Image3(3)", 5295, 3420, false},  // Evade
    {"Image3(1)", 6150, 2565, false},  // Penetrate
    {"Image3(2)", 6150, 4260, false},  // Pierce
    {"Image9(1)", 7275, 2580, false},  // Ice Arrow
    {"Image9(4)", 7260, 4245, false},  // Freezing Arrow
    {"Image9(6)", 8040, 915, false},   // Multi-Shot Arrow
    {"Image9(3)", 8025, 2580, false},  // Guided Arrow
    {"Image9(5)", 8040, 3450, false},  // Strafing Arrow
    {"Image9(8)", 8820, 930, false},   // empty level 6 slot under Fire Arrow
    {"Image9(2)", 8820, 1755, false},  // Exploding Arrow
    {"Image9(7)", 8835, 3435, false},  // Immolating Arrow
};

constexpr Placement kPlacements[] = {
    {"lbl_Level1", {30, 570, 0, 0}},
    {"lbl_Level6", {30, 1380, 0, 0}},
    {"lbl_Level12", {30, 2175, 0, 0}},
    {"lbl_Level18", {30, 3000, 0, 0}},
    {"lbl_Level24", {30, 3885, 0, 0}},
    {"lbl_Level30", {30, 4695, 0, 0}},
    {"lbl_Save", {9780, 1080, 0, 0}},
    {"lbl_Reset", {9765, 1875, 0, 0}},
    {"lbl_ChangeClass", {9735, 2685, 0, 0}},
    {"lbl_UndoLast", {9735, 3525, 0, 0}},
    {"lbl_Close", {9735, 4350, 0, 0}},
    {"lbl_Char", {1110, 5265, 0, 0}},
    {"lbl_CharLevel", {3180, 5340, 0, 0}},
    {"lbl_SkillLevel", {5115, 5340, 0, 0}},
    {"lbl_Reserved", {7155, 5325, 1995, 210}},
    {"lbl_UnAvail", {30, 5475, 0, 0}},
    {"lb_SkillsPerLevel", {540, 6000, 0, 0}},
    {"lbl_Description", {4440, 6000, 0, 0}},
    {"lbl_Notice", {450, 8790, 0, 0}},
    {"img_MenuBack", {9540, -15, 0, 0}},
    {"Image10", {-75, 5595, 0, 0}},
};

constexpr Prerequisite kNone{};

constexpr TreeDef kJavelinSpear{
    .code = "AmazonJS",
    .arrayName = "AmazonJS",
    .heading = "Javelin + Spear",
    .denOfEvilLevels = {40, 25, 3},
    .skills = {{
        {.name = "Jab",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {1575, 390},
         .label = {2145, 765},
         .tooltip = "Attack with multiple rapid thrusts using a javelin or spear weapon.",
         .description =
             "'Attack with multiple rapid thrusts using a javelin or spear weapon'. A quick run of stabs in "
             "one attack, each a little weaker than a normal blow. It is the first melee skill of the class "
             "and the gateway to Impale, Fend and the lightning strikes, so a spear Amazon takes it early.",
         .note = ""},
        {.name = "Power Strike",
         .level = 6,
         .prerequisites = {{{0, "Jab"}, kNone}},
         .icon = {2400, 1200},
         .label = {2940, 1530},
         .tooltip = "Adds lightning damage to javelin and spear weapon attacks.",
         .description =
             "'Adds lightning damage to javelin and spear weapon attacks'. Each hit carries a jolt of "
             "lightning. It is strong for a few levels, and one point opens Charged Strike and Lightning "
             "Strike, where the real lightning damage of a melee Amazon lies.",
         .note = ""},
        {.name = "Poison Javelin",
         .level = 6,
         .prerequisites = {kNone, kNone},
         .icon = {3210, 1200},
         .label = {3765, 1545},
         .tooltip = "Throws a javelin enhanced by poison, which leaves a trail of poison clouds.",
         .description =
             "'Throws a javelin enhanced by poison, which leaves a trail of poison clouds'. The cloud harms "
             "every monster that walks through it. A javelin thrower takes a point for the road to "
             "Lightning Bolt and Plague Javelin, and more only while the early acts last.",
         .note = ""},
        {.name = "Impale",
         .level = 12,
         .prerequisites = {{{0, "Jab"}, kNone}},
         .icon = {1575, 2010},
         .label = {2145, 2340},
         .tooltip = "More damage, hard on weapon.",
         .description =
             "'Increases attack damage but rapidly degrades the weapon'. One slow and very hard thrust that "
             "wears the weapon down quickly. With a spear that cannot break or repairs itself it is a strong "
             "attack on a single foe; otherwise keep gold ready for the smith.",
         .note = ""},
        {.name = "Lightning Bolt",
         .level = 12,
         .prerequisites = {{{2, "Poison Javelin"}, kNone}},
         .icon = {3210, 2010},
         .label = {3765, 2340},
         .tooltip = "Magically converts your javelin into a bolt of lightning.",
         .description =
             "'Magically converts your javelin into a bolt of lightning'. The thrown javelin turns into "
             "pure lightning damage. It is a fine ranged attack until Lightning Fury opens, and both "
             "Charged Strike and Plague Javelin need a point in it.",
         .note = ""},
        {.name = "Charged Strike",
         .level = 18,
         .prerequisites = {{{1, "Power Strike"}, {4, "Lightning Bolt"}}},
         .icon = {2400, 2850},
         .label = {2970, 3195},
         .tooltip = "Lightning hit releases charged bolts.",
         .description =
             "'Lightning hit releases charged bolts'. Every hit throws off charged bolts that crackle around "
             "the target. Up close many of the bolts strike the same foe, which makes this the favourite "
             "attack of a spear Amazon against bosses.",
         .note = ""},
        {.name = "Plague Javelin",
         .level = 18,
         .prerequisites = {{{4, "Lightning Bolt"}, kNone}},
         .icon = {3210, 2850},
         .label = {3780, 3195},
         .tooltip = "Throw a poison-trailing javelin.",
         .description =
             "'Throw a poison-trailing javelin'. The javelin bursts into a spreading cloud of poison where "
             "it lands. It thins out packs over time and leads to Lightning Fury; many javelin plans add a "
             "few points for a second kind of damage.",
         .note = ""},
        {.name = "Fend",
         .level = 24,
         .prerequisites = {{{3, "Impale"}, kNone}},
         .icon = {1575, 3705},
         .label = {2145, 4050},
         .tooltip = "Attack all adjacent targets.",
         .description =
             "'Attack all adjacent targets'. Strikes every monster next to the Amazon in quick succession. "
             "It keeps a spear fighter from being swamped, and with Jab and Impale it rounds out the "
             "physical side of the tree.",
         .note = ""},
        {.name = "Lightning Strike",
         .level = 30,
         .prerequisites = {{{5, "Charged Strike"}, kNone}},
         .icon = {2400, 4530},
         .label = {2940, 4875},
         .tooltip = "Lightning hit releases chain lightning.",
         .description =
             "'Lightning hit releases chain lightning'. A hit sends lightning leaping from monster to "
             "monster through the crowd. It is the best crowd attack of a melee lightning Amazon and is "
             "usually filled alongside Charged Strike.",
         .note = ""},
        {.name = "Lightning Fury",
         .level = 30,
         .prerequisites = {{{6, "Plague Javelin"}, kNone}},
         .icon = {3210, 4530},
         .label = {3765, 4875},
         .tooltip = "Creates a Lightning Fury.",
         .description =
             "'Creates a Lightning Fury'. The thrown javelin bursts on impact into bolts of lightning that "
             "fly off at every monster nearby. It clears whole rooms at once, which makes it the main skill "
             "of a javelin Amazon and the first to take all 20 points.",
         .note = ""},
    }},
    .undoOrder = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
};

constexpr TreeDef kPassiveMagic{
    .code = "AmazonPM",
    .arrayName = "AmazonPM",
    .heading = "Passive + Magic",
    .denOfEvilLevels = {35, 24, 3},
    .skills = {{
        {.name = "Inner Sight",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {4365, 390},
         .label = {4920, 765},
         .tooltip = "Lights up nearby enemy monsters making it easier for you & party members to hit.",
         .description =
             "'Lights up nearby enemy monsters making it easier for you & party members to hit' It lowers "
             "the defense of everything in the glow, so arrows and spears find their marks. One point is "
             "useful at any level, and it opens Slow Missiles and the decoy.",
         .note = ""},
        {.name = "Critical Strike",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {6060, 390},
         .label = {6600, 720},
         .tooltip = "(Passive) A chance that your attacks will do double damage.",
         .description =
             "(Passive)'A chance that your attacks will do double damage'. The chance grows with each point "
             "but climbs slowly after the first few. A bow or spear Amazon who relies on weapon damage often "
             "puts points here, since it works with every attack she makes.",
         .note = ""},
        {.name = "Dodge",
         .level = 6,
         .prerequisites = {kNone, kNone},
         .icon = {5205, 1200},
         .label = {5775, 1545},
         .tooltip = "A chance that you will dodge a melee attack when standing or attacking.",
         .description =
             "(Passive)'A chance that you will dodge a melee attack when standing or attacking'. A dodged "
             "blow does no harm at all, which makes a frail archer far safer up close. One point is enough "
             "to open Avoid, though more keep paying off.",
         .note = ""},
        {.name = "Slow Missiles",
         .level = 12,
         .prerequisites = {{{0, "Inner Sight"}, kNone}},
         .icon = {4365, 2010},
         .label = {4920, 2325},
         .tooltip = "Slows the ranged attacks of nearby enemies and makes them easier targets.",
         .description =
             "'Slows the ranged attacks of nearby enemies and makes them easier targets'. The arrows and "
             "spells of monsters in the area crawl through the air and are easy to step around. A single "
             "point helps against archers and is needed for Duplicate.",
         .note = ""},
        {.name = "Avoid",
         .level = 12,
         .prerequisites = {{{2, "Dodge"}, kNone}},
         .icon = {5205, 2010},
         .label = {5775, 2325},
         .tooltip = "A chance that you will elude a missile attack when standing or attacking.",
         .description =
             "(Passive)'A chance that you will elude a missile attack when standing or attacking'. A fine "
             "guard against archers and casters. With Dodge and Evade it makes up the Amazon's evasion, and "
             "one point opens Evade.",
         .note = ""},
        {.name = "Penetrate",
         .level = 18,
         .prerequisites = {{{1, "Critical Strike"}, kNone}},
         .icon = {6060, 2835},
         .label = {6600, 3225},
         .tooltip = "(Passive) This skill will increase % chance to hit with ranged attacks such as Javelin "
                    "and bow skills.",
         .description = "(Passive) This skill will increase % chance to hit with ranged attacks such as "
                        "Javelin and bow skills.",
         .note = ""},
        {.name = "Duplicate",
         .level = 24,
         .prerequisites = {{{3, "Slow Missiles"}, kNone}},
         .icon = {4380, 3705},
         .label = {4920, 4080},
         .tooltip = "Create a duplicate decoy.",
         .description =
             "'Create a duplicate decoy'. A copy of the Amazon that draws monsters away from her. They "
             "waste their blows on it while she shoots from a distance; one point is enough on the way to "
             "Valkyrie.",
         .note = ""},
        {.name = "Evade",
         .level = 24,
         .prerequisites = {{{4, "Avoid"}, kNone}},
         .icon = {5205, 3705},
         .label = {5775, 4080},
         .tooltip = "(Passive) Dodge when moving.",
         .description =
             "(Passive)'Dodge when moving'. Gives the Amazon a chance to slip any attack while she walks or "
             "runs. Together with Dodge and Avoid it keeps her out of trouble; a few points here serve most "
             "plans.",
         .note = ""},
        {.name = "Valkyrie",
         .level = 30,
         .prerequisites = {{{6, "Duplicate"}, {7, "Evade"}}},
         .icon = {4380, 4530},
         .label = {4920, 4860},
         .tooltip = "Summons powerful Valkyrie ally.",
         .description =
             "'Summons powerful Valkyrie ally'. A warrior maiden in armor who fights at the Amazon's side "
             "and draws the attention of monsters. Each point makes her stronger and tougher, and many "
             "plans put spare points here for a guard that keeps enemies off the archer.",
         .note = ""},
        {.name = "Pierce",
         .level = 30,
         .prerequisites = {{{5, "Penetrate"}, kNone}},
         .icon = {6060, 4530},
         .label = {6600, 4875},
         .tooltip = "(Passive) Chance a missile will continue.",
         .description =
             "(Passive)'Chance a missile will continue'. Arrows, bolts and javelins may pass through the "
             "first monster they hit and go on to strike those behind it. It is very strong with the skills "
             "that fire many missiles, and bow and javelin Amazons alike value it.",
         .note = ""},
    }},
    .undoOrder = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
};

constexpr TreeDef kBowCrossbow{
    .code = "AmazonBC",
    .arrayName = "AmazonBC",
    .heading = "Bow + CrossBow",
    .denOfEvilLevels = {35, 24, 3},
    .skills = {{
        {.name = "Magic Arrow",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {7950, 390},
         .label = {8490, 735},
         .tooltip = "Shoots a free magic arrow or bolt that does extra damage.",
         .description =
             "'Shoots a free magic arrow or bolt that does extra damage'. The arrows cost no ammunition and "
             "carry magic damage, which few monsters resist. One point spares the trips to buy arrows, and "
             "it leads to Multi-Shot Arrow.",
         .note = ""},
        {.name = "Fire Arrow",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {8745, 390},
         .label = {9285, 690},
         .tooltip = "Magically enhances your arrows or bolts with fire.",
         .description =
             "'Magically enhances your arrows or bolts with fire'. Adds fire damage to each shot. It is "
             "strong in the first act, and one point opens Exploding Arrow and Immolating Arrow for an "
             "Amazon who means to burn her enemies.",
         .note = ""},
        {.name = "Cold Arrow",
         .level = 6,
         .prerequisites = {kNone, kNone},
         .icon = {7185, 1200},
         .label = {7725, 1530},
         .tooltip = "Magically enhances your arrows or bolts by adding cold damage and a slowing effect to "
                    "half of your regular arrow damage.",
         .description =
             "'Magically enhances your arrows or bolts by adding cold damage and a slowing effect to half "
             "of your regular arrow damage'. The chill keeps monsters from closing in on the archer. It "
             "leads to Ice Arrow, Freezing Arrow and Guided Arrow.",
         .note = ""},
        {.name = "Multi-Shot Arrow",
         .level = 6,
         .prerequisites = {{{0, "Magic Arrow"}, kNone}},
         .icon = {7935, 1200},
         .label = {8475, 1500},
         .tooltip = "Magically splits one arrow or bolt into many.",
         .description =
             "'Magically splits one arrow or bolt into many'. Fires a fan of arrows at once, more with "
             "every point. It clears groups of weak monsters and is the common crowd attack of a bow "
             "Amazon, though each arrow hits for less than a normal shot.",
         .note = "NOTE: Only one arrow will hit a single target.  No 6 arrows at a single monster kill."},
        {.name = "Exploding Arrow",
         .level = 12,
         .prerequisites = {{{1, "Fire Arrow"}, {3, "Multi-Shot Arrow"}}},
         .icon = {8745, 2010},
         .label = {9300, 2340},
         .tooltip = "Shoot an arrow or bolt that explodes on contact, damaging all enemies nearby.",
         .description =
             "'Shoot an arrow or bolt that explodes on contact, damaging all enemies nearby'. Fire splashes "
             "around the first monster hit. It shines against packs that crowd around the Amazon's decoy, "
             "and it opens Immolating Arrow.",
         .note = ""},
        {.name = "Ice Arrow",
         .level = 18,
         .prerequisites = {{{2, "Cold Arrow"}, kNone}},
         .icon = {7185, 2850},
         .label = {7725, 3180},
         .tooltip = "Shoot an arrow that freezes the target.",
         .description =
             "'Shoot an arrow that freezes the target'. A single arrow that freezes its target solid for a "
             "moment. A frozen monster cannot fight back, so a few points help against strong foes; most "
             "plans take one on the way to Freezing Arrow.",
         .note = ""},
        {.name = "Guided Arrow",
         .level = 18,
         .prerequisites = {{{2, "Cold Arrow"}, {3, "Multi-Shot Arrow"}}},
         .icon = {7935, 2850},
         .label = {8475, 3195},
         .tooltip = "Smart arrows and bolts.",
         .description =
             "'Smart arrows and bolts.' The arrow turns in flight to seek out its target and never misses. "
             "It is a strong attack on a single boss, and it opens Strafing Arrow for the Amazon who trusts "
             "the plain damage of her bow.",
         .note = ""},
        {.name = "Strafing Arrow",
         .level = 24,
         .prerequisites = {{{6, "Guided Arrow"}, kNone}},
         .icon = {7950, 3705},
         .label = {8490, 4020},
         .tooltip = "Shoot at multiple targets.",
         .description =
             "'Shoot at multiple targets'. Lets fly a volley of arrows, each one aimed at a different "
             "monster near the target. A bow Amazon uses it to clear packs and keeps Guided Arrow for "
             "single foes and bosses.",
         .note = ""},
        {.name = "Immolating Arrow",
         .level = 24,
         .prerequisites = {{{4, "Exploding Arrow"}, kNone}},
         .icon = {8745, 3705},
         .label = {9285, 4020},
         .tooltip = "Shoot an immolating arrow.",
         .description =
             "'Shoot an immolating arrow'. The arrow bursts into flames and leaves a patch of burning ground "
             "that keeps harming any monster standing in it. It is the main fire attack of the tree and "
             "the natural end of a fire archer's plan.",
         .note = ""},
        {.name = "Freezing Arrow",
         .level = 30,
         .prerequisites = {{{5, "Ice Arrow"}, kNone}},
         .icon = {7185, 4530},
         .label = {7725, 4845},
         .tooltip = "Turns monsters into ice sculptures.",
         .description =
             "'Turns monsters into ice sculptures'. The arrow bursts into cold that freezes every monster "
             "around its target. It clears packs while holding them in place, which makes it the main "
             "skill of a cold bow Amazon.",
         .note = ""},
    }},
    .undoOrder = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
};

}  // namespace

const ClassDef kAmazon{
    .charCentred = true,
    .commandColumnName = "img_MenuBack",
    .bottomPanelName = "Image10",
    .bands = {{
        {-405, 330, 0x240000},
        {-495, 1140, 0x390000},
        {-495, 1950, 0x480000},
        {-480, 2790, 0x590000},
        {-495, 3645, 0x6C0000},
        {-510, 4455, 0x800000},
    }},
    .trees = {{kJavelinSpear, kPassiveMagic, kBowCrossbow}},
    .connectors = kConnectors,
    .arrowheads = kArrowheads,
    .placements = kPlacements,
    .reserveUndoText = "Skill Points: ",
    .levelUndoText = "Skill Level ",
};

}  // namespace korvinth
