// The Sorceress's window: Fire, Lightning and Cold.
//
// The window keeps the common frame's places, so it has no placements of its
// own; only two of its level bands sit a little off the usual tops. Blizzard's
// refusal spells its second prerequisite "Clacier Spike", while the history
// line, the hover heading and undo all use "Glacier Spike". In the Lightning
// tree undo must look for ": Lightning Mastery" before ": Lightning", since
// every Lightning Mastery line also contains the shorter text.
//
// Some descriptions separate sentences by two or three blanks and a few end
// in a blank; those blanks belong to the texts.
#include "skilltrees/ClassData.h"

namespace korvinth {
namespace {

constexpr Connector kConnectors[] = {
    {"Line6", 1845, 1260, 1845, 3270},     // Inferno, Blaze, Firewall
    {"Line5", 2685, 705, 2700, 4050},      // Fire Bolt, Fireball, Meteor
    {"Line3", 2700, 2550, 3345, 3195},     // Fireball to Enchant
    {"Line4", 3495, 780, 3495, 4950},      // Warmth, Enchant, Hydra
    {"Line7(0)", 1800, 3360, 2580, 4140},  // Firewall to Meteor
    {"Line9", 4635, 1530, 4635, 4050},     // Static Field, Nova, Thunderstorm
    {"Line10", 5490, 570, 5490, 3165},     // Charged Bolt, Lightning, Chain Lightning
    {"Line8", 6345, 1380, 6345, 3705},     // Telekinesis, Teleport, Energy Shield
    {"Line11", 5475, 3360, 4875, 3960},    // Chain Lightning to Thunderstorm
    {"Line12", 5430, 3285, 6105, 3960},    // Chain Lightning to Energy Shield
    {"Line13", 8235, 645, 8235, 3165},     // Ice Bolt, Ice Blast, Glacier Spike
    {"Line15", 9030, 735, 9030, 4005},     // Frozen Armor, Shiver Armor, Chilling Armor
    {"Line17", 8280, 1680, 8955, 2355},    // Ice Blast to Shiver Armor
    {"Line14", 7455, 1350, 7455, 4710},    // Frost Nova, Blizzard, Frozen Orb
    {"Line16", 8250, 3375, 7650, 3975},    // Glacier Spike to Blizzard
};

// The diagonal links carry no arrowhead; Nova's line has one above Nova and
// two below it.
constexpr Arrowhead kArrowheads[] = {
    {"Image7", 1650, 1740, false},     // Blaze
    {"Image6", 1650, 2580, false},     // Firewall
    {"Image5", 2490, 1710, false},     // Fireball
    {"Image4", 2490, 3435, false},     // Meteor
    {"Image2", 3300, 2580, false},     // Enchant
    {"Image3(0)", 3300, 4275, false},  // Hydra
    {"Image10", 4440, 1725, false},    // Nova
    {"Image3(4)", 4440, 2580, false},  // Nova to Thunderstorm
    {"Image3(5)", 4440, 3435, false},  // Thunderstorm
    {"Image3(3)", 5295, 1710, false},  // Lightning
    {"Image3(1)", 5295, 2565, false},  // Chain Lightning
    {"Image9(0)", 6150, 2580, false},  // Teleport
    {"Image3(2)", 6150, 3435, false},  // Energy Shield
    {"Image9(5)", 8040, 900, false},   // Ice Blast
    {"Image9(3)", 8040, 2595, false},  // Glacier Spike
    {"Image8(1)", 8835, 1740, false},  // Shiver Armor
    {"Image8(0)", 8835, 3450, false},  // Chilling Armor
    {"Image9(1)", 7260, 3435, false},  // Blizzard
    {"Image9(4)", 7260, 4260, false},  // Frozen Orb
};

constexpr Prerequisite kNone{};

constexpr TreeDef kFire{
    .code = "SorcFire",
    .arrayName = "SorceressFire",
    .heading = "FIRE BASED",
    .denOfEvilLevels = {35, 24, 3},
    .skills = {{
        {.name = "Fire Bolt",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {2400, 390},
         .label = {2985, 765},
         .tooltip = "Creates a magical bolt of fire.",
         .description =
             "'Creates a magical bolt of fire'. A quick, cheap missile that carries the first acts on its "
             "own.  Later it is mostly a stepping stone: one point opens Fireball, and from there the rest "
             "of the fire tree.",
         .note = ""},
        {.name = "Warmth",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {3225, 390},
         .label = {3750, 765},
         .tooltip = "(Passive) Increases your mana recovery rate.",
         .description =
             "(Passive)'Increases your mana recovery rate'. Always at work and costs nothing to keep up. "
             "Every extra point speeds up the mana regeneration, which helps any Sorceress who casts a lot, "
             "and it is the way to Enchant. ",
         .note = ""},
        {.name = "Inferno",
         .level = 6,
         .prerequisites = {kNone, kNone},
         .icon = {1575, 1170},
         .label = {2145, 1545},
         .tooltip = "Cast a flame jet.",
         .description =
             "'Cast a flame jet'. A stream of fire that burns as long as the button is held and drains mana "
             "just as long. Its reach is short, so the Sorceress has to stand close. Take it for the way to "
             "Blaze and Firewall.",
         .note = ""},
        {.name = "Blaze",
         .level = 12,
         .prerequisites = {{{2, "Inferno"}, kNone}},
         .icon = {1575, 1995},
         .label = {2145, 2340},
         .tooltip = "Leave a wall of fire in your wake.",
         .description =
             "'Leave a wall of fire in your wake'. While it lasts every step leaves a trail of flames "
             "behind, which hurts the monsters that follow.   Few plans keep points in it beyond the one "
             "that opens Firewall.",
         .note = ""},
        {.name = "Fireball",
         .level = 12,
         .prerequisites = {{{0, "Fire Bolt"}, kNone}},
         .icon = {2400, 1995},
         .label = {2970, 2340},
         .tooltip = "Cast a ball of fire and heat.",
         .description =
             "'Cast a ball of fire and heat'. A missile that bursts on impact and burns everything around "
             "the target. It is the main attack of most fire builds, pairs well with Meteor, and is needed "
             "for Enchant and Meteor alike.",
         .note = ""},
        {.name = "Firewall",
         .level = 18,
         .prerequisites = {{{3, "Blaze"}, kNone}},
         .icon = {1575, 2850},
         .label = {2145, 3225},
         .tooltip = "Create a wall of flame.",
         .description =
             "'Create a wall of flame'. Raises a long line of fire that burns whatever walks through or "
             "stands in it. Very strong in doorways and narrow halls, and slow monsters suffer the most.  "
             "It also leads on to Meteor.",
         .note = ""},
        {.name = "Enchant",
         .level = 18,
         .prerequisites = {{{1, "Warmth"}, {4, "Fireball"}}},
         .icon = {3210, 2850},
         .label = {3765, 3225},
         .tooltip = "Enchant melee weapons.",
         .description =
             "'Enchant melee weapons'. Adds fire damage to the weapon of the Sorceress or of a companion. A "
             "good gift for a hireling or a fighter in the party, rarely a main skill for the caster "
             "herself. It needs both Warmth and Fireball and opens Hydra.",
         .note = ""},
        {.name = "Meteor",
         .level = 24,
         .prerequisites = {{{4, "Fireball"}, {5, "Firewall"}}},
         .icon = {2400, 3705},
         .label = {2970, 4050},
         .tooltip = "Pull a meteor down from the heavens.",
         .description =
             "'Pull a meteor down from the heavens'. After a short delay a rock of fire lands on the target "
             "spot, smashes everything nearby and leaves the ground burning. Moving monsters can step out "
             "of the way, so it works best on packs that stand still.  Needs Fireball and Firewall. ",
         .note = ""},
        {.name = "Fire Mastery",
         .level = 30,
         .prerequisites = {kNone, kNone},
         .icon = {2400, 4530},
         .label = {2970, 4875},
         .tooltip = "(Passive) Increases fire damage.",
         .description =
             "(Passive)'Increases fire damage'. Raises the damage of every fire spell the Sorceress casts. "
             "It needs no other skill, only level 30, and a fire build puts its spare points here once its "
             "main attacks are full.",
         .note = ""},
        {.name = "Hydra",
         .level = 30,
         .prerequisites = {{{6, "Enchant"}, kNone}},
         .icon = {3210, 4530},
         .label = {3765, 4875},
         .tooltip = "Summon multi-headed fire beast.",
         .description =
             "'Summon multi-headed fire beast'. Places a fire creature that cannot move but spits bolts of "
             "flame at any monster in range until it fades. Several can stand at once, which makes a fine "
             "guard for a choke point while the Sorceress keeps her distance.",
         .note = ""},
    }},
    .undoOrder = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
};

constexpr TreeDef kLightning{
    .code = "SorcLight",
    .arrayName = "SorceressLightning",
    .heading = "LIGHTNING BASED",
    .denOfEvilLevels = {35, 24, 3},
    .skills = {{
        {.name = "Charged Bolt",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {5205, 390},
         .label = {5775, 750},
         .tooltip = "Cast multiple charged bolts.",
         .description =
             "'Cast multiple charged bolts'. Throws a spray of small sparks that wander across the floor "
             "towards the monsters. Each spark is weak, but at close range many hit the same target. It is "
             "the only lightning skill of level 1 and opens Lightning.",
         .note = ""},
        {.name = "Static Field",
         .level = 6,
         .prerequisites = {kNone, kNone},
         .icon = {4365, 1170},
         .label = {4920, 1545},
         .tooltip = "Damage all enemies around you.",
         .description =
             "'Damage all enemies around you'. Takes away a share of the current life of every monster "
             "nearby, however tough it is, so it is at its best against bosses with a huge life pool. It "
             "cannot finish a monster off, and it is the first step to Nova.",
         .note = ""},
        {.name = "Telekinesis",
         .level = 6,
         .prerequisites = {kNone, kNone},
         .icon = {6060, 1170},
         .label = {6600, 1545},
         .tooltip = "Move objects with your mind.",
         .description =
             "'Move objects with your mind'. Picks up items, opens chests and works switches from a "
             "distance, and gives small monsters a little push.   Hardly worth more than one point, but "
             "that point leads to Teleport.",
         .note = ""},
        {.name = "Nova",
         .level = 12,
         .prerequisites = {{{1, "Static Field"}, kNone}},
         .icon = {4365, 1995},
         .label = {4920, 2325},
         .tooltip = "An electrically-charged ring of destruction.",
         .description =
             "'An electrically-charged ring of destruction'. A ring of lightning spreads out from the "
             "Sorceress and strikes every monster it passes. It is made for being surrounded, and it is "
             "one of the two skills Thunderstorm needs. ",
         .note = ""},
        {.name = "Lightning",
         .level = 12,
         .prerequisites = {{{0, "Charged Bolt"}, kNone}},
         .icon = {5205, 1995},
         .label = {5775, 2325},
         .tooltip = "Pure directed energy.",
         .description =
             "'Pure directed energy'. A bolt that crosses the screen in an instant and passes through "
             "every monster in its line. Its damage jumps from almost nothing to a great deal, and it costs "
             "a fair amount of mana. It opens Chain Lightning.",
         .note = ""},
        {.name = "Chain Lightning",
         .level = 18,
         .prerequisites = {{{4, "Lightning"}, kNone}},
         .icon = {5205, 2850},
         .label = {5775, 3225},
         .tooltip = "Cast a retargeting bolt of lightning.",
         .description =
             "'Cast a retargeting bolt of lightning'. The bolt jumps from one monster to the next and hits "
             "several of them with a single cast. The main attack of most lightning builds, at its best in "
             "crowded halls.  Both Thunderstorm and Energy Shield need it.",
         .note = ""},
        {.name = "Teleport",
         .level = 18,
         .prerequisites = {{{2, "Telekinesis"}, kNone}},
         .icon = {6060, 2850},
         .label = {6600, 3225},
         .tooltip = "Instantly jump to target.",
         .description =
             "'Instantly jump to target'. Moves the Sorceress at once to the spot she points at, past "
             "walls, rivers and crowds. One point is enough and almost every plan takes it, for escaping "
             "and for crossing a level fast.",
         .note = ""},
        {.name = "Thunderstorm",
         .level = 24,
         .prerequisites = {{{3, "Nova"}, {5, "Chain Lightning"}}},
         .icon = {4380, 3705},
         .label = {4920, 4080},
         .tooltip = "Causes a thunder storm.",
         .description =
             "'Causes a thunder storm'. A storm follows the Sorceress for a while and strikes a monster near "
             "her with a heavy bolt from time to time. It needs no aiming and keeps working while she casts "
             "other spells. Needs Nova and Chain Lightning.",
         .note = ""},
        {.name = "Energy Shield",
         .level = 24,
         .prerequisites = {{{6, "Teleport"}, {5, "Chain Lightning"}}},
         .icon = {6060, 3705},
         .label = {6600, 4080},
         .tooltip = "A shield of energy protects you.",
         .description =
             "'A shield of energy protects you'. Part of the damage the Sorceress takes is paid with mana "
             "instead of life. With a large mana pool it keeps her alive far longer; with a small one it "
             "empties her mana just when she needs it.  Needs Teleport and Chain Lightning. ",
         .note = ""},
        {.name = "Lightning Mastery",
         .level = 30,
         .prerequisites = {kNone, kNone},
         .icon = {5205, 4530},
         .label = {5775, 4875},
         .tooltip = "(Passive) Reduces the cost of lightning spells.",
         .description =
             "(Passive)'Reduces the cost of lightning spells'. Every point makes the lightning spells "
             "cheaper to cast, so Lightning and Chain Lightning can be cast far more often. Open from level "
             "30 with no other skill needed.",
         .note = ""},
    }},
    // ": Lightning" is part of every Lightning Mastery line, so the longer
    // name is tested first.
    .undoOrder = {0, 1, 2, 3, 9, 4, 5, 6, 7, 8},
};

constexpr TreeDef kCold{
    .code = "SorcCold",
    .arrayName = "SorceressCold",
    .heading = "COLD BASED",
    .denOfEvilLevels = {35, 24, 3},
    .skills = {{
        {.name = "Ice Bolt",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {7935, 390},
         .label = {8475, 735},
         .tooltip = "Cast an ice bolt that slows target.",
         .description =
             "'Cast an ice bolt that slows target'. A shard of ice that chills the monster it hits and "
             "slows it down for a while. Weak on its own, but one point opens Ice Blast and with it the "
             "rest of the cold tree.",
         .note = ""},
        {.name = "Frozen Armor",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {8745, 390},
         .label = {9300, 735},
         .tooltip = "Armor class bonus and freeze attacker.",
         .description =
             "'Armor class bonus and freeze attacker'. Raises the defense of the Sorceress, and monsters "
             "that strike her in melee are frozen for a moment. A cheap first armor that leads on to Shiver "
             "Armor and Chilling Armor.",
         .note = ""},
        {.name = "Frost Nova",
         .level = 6,
         .prerequisites = {kNone, kNone},
         .icon = {7185, 1170},
         .label = {7740, 1545},
         .tooltip = "Slows all nearby enemies",
         .description =
             "'Slows all nearby enemies'. A ring of frost that chills every monster around the Sorceress and "
             "slows the whole crowd. Its damage is modest, and it is the way to Blizzard.",
         .note = ""},
        {.name = "Ice Blast",
         .level = 6,
         .prerequisites = {{{0, "Ice Bolt"}, kNone}},
         .icon = {7935, 1170},
         .label = {8475, 1545},
         .tooltip = "Cast an ice bolt that freezes target.",
         .description =
             "'Cast an ice bolt that freezes target'. A heavier bolt that freezes the monster it strikes "
             "solid for a short time, so it cannot fight back.  Needs Ice Bolt, and opens Glacier Spike and "
             "Shiver Armor.",
         .note = ""},
        {.name = "Shiver Armor",
         .level = 12,
         .prerequisites = {{{1, "Frozen Armor"}, {3, "Ice Blast"}}},
         .icon = {8745, 1995},
         .label = {9300, 2340},
         .tooltip = "Slow and damage attackers.",
         .description =
             "'Slow and damage attackers'. A stronger armor that raises defense and strikes back with cold "
             "at every monster that hits the Sorceress in melee, chilling it. It needs Frozen Armor and Ice "
             "Blast, and Chilling Armor needs it in turn.",
         .note = ""},
        {.name = "Glacier Spike",
         .level = 18,
         .prerequisites = {{{3, "Ice Blast"}, kNone}},
         .icon = {7935, 2850},
         .label = {8475, 3180},
         .tooltip = "Cast powerful ice missile.",
         .description =
             "'Cast powerful ice missile'. A large ice missile that bursts on impact and freezes the target "
             "and the monsters close around it. A strong way to stop a pack in its tracks, and the second "
             "skill Blizzard needs.",
         .note = ""},
        {.name = "Blizzard",
         .level = 24,
         .prerequisites = {{{2, "Frost Nova"}, {5, "Clacier Spike"}}},
         .icon = {7185, 3705},
         .label = {7740, 4050},
         .tooltip = "Cast a storm of a destructive nature.",
         .description =
             "'Cast a storm of a destructive nature'. Shards of ice rain down on the chosen area for several "
             "seconds and hit everything beneath again and again. The cold build's great crowd killer, best "
             "cast where monsters bunch up.   It needs Frost Nova and Glacier Spike.",
         .note = ""},
        {.name = "Chilling Armor",
         .level = 24,
         .prerequisites = {{{4, "Shiver Armor"}, kNone}},
         .icon = {8745, 3690},
         .label = {9300, 4050},
         .tooltip = "Armor bonus against ranged attackers.",
         .description =
             "'Armor bonus against ranged attackers'. Raises defense, and whenever a missile strikes the "
             "Sorceress the armor answers with an ice bolt of its own. A good choice against archers and "
             "spitting monsters.",
         .note = ""},
        {.name = "Frozen Orb",
         .level = 30,
         .prerequisites = {{{6, "Blizzard"}, kNone}},
         .icon = {7185, 4530},
         .label = {7740, 4875},
         .tooltip = "A pulsating orb of frozen death.",
         .description =
             "'A pulsating orb of frozen death'. A slow orb that drifts across the screen, throwing ice "
             "bolts in every direction before it bursts. It clears whole rooms and can be cast again "
             "right away, so many cold builds make it their main attack. ",
         .note = ""},
        {.name = "Cold Mastery",
         .level = 30,
         .prerequisites = {kNone, kNone},
         .icon = {7935, 4530},
         .label = {8475, 4875},
         .tooltip = "(Passive) Reduces enemy's resistance.",
         .description =
             "(Passive)'Reduces enemy's resistance'. Lowers the cold resistance of the monsters hit by the "
             "Sorceress's cold spells, so they hurt more. It is open from level 30 without any other skill, "
             "and a cold build fills it once its main spells are high.",
         .note = ""},
    }},
    .undoOrder = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
};

}  // namespace

const ClassDef kSorceress{
    .charCentred = false,
    .commandColumnName = "img_ButtonBack",
    .bottomPanelName = "Image12",
    .bands = {{
        {-30, 330, 0x041A00},
        {-105, 1125, 0x093900},
        {-120, 1935, 0x0F4800},
        {15, 2775, 0x0C5900},
        {0, 3645, 0x186C00},
        {-15, 4470, 0x108000},
    }},
    .trees = {{kFire, kLightning, kCold}},
    .connectors = kConnectors,
    .arrowheads = kArrowheads,
    .placements = {},
    .reserveUndoText = "Skill Points: ",
    .levelUndoText = "Skill Level ",
};

}  // namespace korvinth
