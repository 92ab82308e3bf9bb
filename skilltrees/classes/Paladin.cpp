// The Paladin's window: Offensive Auras, Combat Skills and Defensive Auras.
//
// The window keeps the common frame's places, so it has no placements of its
// own. "Sacrafice" and "Vengance" are the names the history lines write and
// undo looks for, so they keep that spelling; only the refusal of Conversion
// spells its prerequisite "Vengeance".
#include "skilltrees/ClassData.h"

namespace korvinth {
namespace {

constexpr Connector kConnectors[] = {
    {"Line3", 1890, 1080, 2490, 1410},     // Might to Holy Fire
    {"Line6", 1845, 675, 1845, 4620},      // Might, Blessed Aim, Concentration, Fanaticism
    {"Line5", 2685, 1485, 2700, 4050},     // Holy Fire, Holy Freeze, Holy Shock
    {"Line7(0)", 2715, 3375, 3345, 4005},  // Holy Freeze to Sanctuary
    {"Line4", 3495, 1500, 3495, 4950},     // Thorns, Sanctuary, Conviction
    {"Line9", 4635, 795, 4635, 4050},      // Sacrafice, Zeal, Vengance, Conversion
    {"Line10", 5490, 1335, 5490, 4530},    // Holy Bolt, Blessed Hammer, Fist of Heavens
    {"Line8", 6345, 675, 6345, 3720},      // Smite, Charge, Holy Shield
    {"Line11", 4635, 4185, 5220, 4770},    // Conversion to Fist of Heavens
    {"Line12", 5520, 3390, 6105, 3975},    // Blessed Hammer to Holy Shield
    {"Line14", 7470, 570, 7455, 3915},     // Prayer, Cleansing, Meditation
    {"Line7(2)", 7455, 2790, 8160, 3210},  // Cleansing to Vigor
    {"Line13", 8235, 1335, 8235, 4875},    // Defiance, Vigor, Redemption
};

// Holy Fire is reached by a diagonal only and has no arrowhead.
constexpr Arrowhead kArrowheads[] = {
    {"Image7", 1650, 1740, false},     // Blessed Aim
    {"Image6", 1650, 2580, false},     // Concentration
    {"Image8", 1650, 4260, false},     // Fanaticism
    {"Image5", 2490, 2595, false},     // Holy Freeze
    {"Image4", 2505, 3435, false},     // Holy Shock
    {"Image2", 3300, 3435, false},     // Sanctuary
    {"Image3(0)", 3300, 4275, false},  // Conviction
    {"Image10", 4440, 1725, false},    // Zeal
    {"Image3(4)", 4440, 2580, false},  // Vengance
    {"Image3(5)", 4440, 3435, false},  // Conversion
    {"Image3(1)", 5295, 2565, false},  // Blessed Hammer
    {"Image3(3)", 5295, 4260, false},  // Fist of Heavens
    {"Image9(0)", 6150, 1725, false},  // Charge
    {"Image3(2)", 6150, 3420, false},  // Holy Shield
    {"Image9(1)", 7275, 1725, false},  // Cleansing
    {"Image9(4)", 7260, 3435, false},  // Meditation
    {"Image9(3)", 8025, 2580, false},  // Vigor
    {"Image9(5)", 8040, 4260, false},  // Redemption
};

constexpr Prerequisite kNone{};

constexpr TreeDef kOffensiveAuras{
    .code = "PaladinOff",
    .arrayName = "PaladinOffensive",
    .heading = "OFFENSIVE AURAS",
    .denOfEvilLevels = {35, 24, 3},
    .skills = {{
        {.name = "Might",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {1575, 390},
         .label = {2145, 765},
         .tooltip = "When active increases damage done by you and your party.",
         .description =
             "'When active increases damage done by you and your party'. An aura that raises the damage of "
             "everyone close to the Paladin. It is the first offensive aura, well worth running in the early "
             "acts, and the root of Holy Fire and Blessed Aim.",
         .note = ""},
        {.name = "Holy Fire",
         .level = 6,
         .prerequisites = {{{0, "Might"}, kNone}},
         .icon = {2400, 1170},
         .label = {2985, 1545},
         .tooltip = "When active causes pulses of fire to damage nearby enemies.",
         .description =
             "'When active causes pulses of fire to damage nearby enemies'. The aura burns the monsters "
             "around the Paladin at short intervals and adds fire damage to his blows. It opens Holy Freeze "
             "and with it the other elemental auras.",
         .note = ""},
        {.name = "Thorns",
         .level = 6,
         .prerequisites = {kNone, kNone},
         .icon = {3225, 1170},
         .label = {3750, 1545},
         .tooltip = "When active enemies that damage you take a portion of that damage in return.",
         .description =
             "'When active enemies that damage you take a portion of that damage in return'. Monsters that "
             "strike the Paladin in melee hurt themselves with every hit. It shines against big, hard "
             "hitting brutes and is one of the two auras Sanctuary needs.",
         .note = ""},
        {.name = "Blessed Aim",
         .level = 12,
         .prerequisites = {{{0, "Might"}, kNone}},
         .icon = {1575, 2010},
         .label = {2145, 2340},
         .tooltip = "When active your attacks will be heavenly inspired.",
         .description =
             "'When active your attacks will be heavenly inspired'. Raises the attack rating of the Paladin "
             "and his party, so that more of their blows land. Most plans pass through it on the way from "
             "Might to Concentration.",
         .note = ""},
        {.name = "Concentration",
         .level = 18,
         .prerequisites = {{{3, "Blessed Aim"}, kNone}},
         .icon = {1575, 2850},
         .label = {2145, 3225},
         .tooltip = "Aura increases your attack ability.",
         .description =
             "'Aura increases your attack ability'. A large damage bonus, and attacks that are harder to "
             "interrupt. A strong aura for a fighting Paladin and the way to Fanaticism.",
         .note = ""},
        {.name = "Holy Freeze",
         .level = 18,
         .prerequisites = {{{1, "Holy Fire"}, kNone}},
         .icon = {2400, 2850},
         .label = {2985, 3225},
         .tooltip = "Aura freezes nearby monsters.",
         .description =
             "'Aura freezes nearby monsters'. Chills and slows every monster near the Paladin with cold "
             "damage. It keeps crowds from closing in and opens both Holy Shock and Sanctuary.",
         .note = ""},
        {.name = "Holy Shock",
         .level = 24,
         .prerequisites = {{{5, "Holy Freeze"}, kNone}},
         .icon = {2400, 3705},
         .label = {2985, 4050},
         .tooltip = "Aura causes pulses of lightning damage.",
         .description =
             "'Aura causes pulses of lightning damage'. Strikes the monsters nearby with lightning and adds "
             "lightning damage to the Paladin's attacks. Its damage swings widely from hit to hit, and it "
             "suits a Paladin who likes to stand in the middle of a crowd.",
         .note = ""},
        {.name = "Sanctuary",
         .level = 24,
         .prerequisites = {{{2, "Thorns"}, {5, "Holy Freeze"}}},
         .icon = {3210, 3705},
         .label = {3765, 4050},
         .tooltip = "Aura repells and damages undead.",
         .description =
             "'Aura repells and damages undead'. Pushes undead monsters away from the Paladin and hurts them "
             "while they stay near. Against skeletons and zombies it is hard to beat. It needs both Thorns "
             "and Holy Freeze.",
         .note = ""},
        {.name = "Fanaticism",
         .level = 30,
         .prerequisites = {{{4, "Concentration"}, kNone}},
         .icon = {1575, 4530},
         .label = {2145, 4875},
         .tooltip = "Aura boosts attack.",
         .description =
             "'Aura boosts attack'. Raises attack speed, damage and attack rating for the Paladin and his "
             "party. One of the finest melee auras, and the usual partner of Zeal.",
         .note = ""},
        {.name = "Conviction",
         .level = 30,
         .prerequisites = {{{7, "Sanctuary"}, kNone}},
         .icon = {3210, 4530},
         .label = {3765, 4875},
         .tooltip = "Aura weakens enemies.",
         .description =
             "'Aura weakens enemies'. Lowers the defense and the resistances of the monsters within its "
             "reach. Every attacker in the party profits, the ones who deal elemental damage most of all.",
         .note = ""},
    }},
    .undoOrder = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
};

// The Combat Skills tooltips carry no final full stop.
constexpr TreeDef kCombatSkills{
    .code = "PaladinCom",
    .arrayName = "PaladinCombat",
    .heading = "COMBAT SKILLS",
    .denOfEvilLevels = {35, 24, 3},
    .skills = {{
        {.name = "Sacrafice",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {4365, 390},
         .label = {4920, 765},
         .tooltip = "Increased accuracy and damage at the cost of one's own wellness",
         .description =
             "'Increased accuracy and damage at the cost of one's own wellness'. Every hit deals bonus "
             "damage and lands more often, but costs the Paladin a little of his own life. A strong early "
             "attack with a healing aura beside it, and the root of Zeal.",
         .note = ""},
        {.name = "Smite",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {6060, 390},
         .label = {6600, 720},
         .tooltip = "Bash your enemies with your shield and stun them temporarily",
         .description =
             "'Bash your enemies with your shield and stun them temporarily'. A shield blow that always hits "
             "and leaves its target stunned. It needs a shield in hand, and one point opens Charge and, "
             "through it, Holy Shield.",
         .note = ""},
        {.name = "Holy Bolt",
         .level = 6,
         .prerequisites = {kNone, kNone},
         .icon = {5205, 1170},
         .label = {5775, 1545},
         .tooltip = "A bolt of heavenly energy that damages undead enemies or heals allies",
         .description =
             "'A bolt of heavenly energy that damages undead enemies or heals allies'. It passes through "
             "living monsters without harm, so it is mostly a weapon against the undead and a way to heal "
             "hirelings and friends. It leads to Blessed Hammer.",
         .note = ""},
        {.name = "Zeal",
         .level = 12,
         .prerequisites = {{{0, "Sacrafice"}, kNone}},
         .icon = {4365, 2010},
         .label = {4920, 2325},
         .tooltip = "Allows multiple adjacent monsters to be hit in a single attack",
         .description =
             "'Allows multiple adjacent monsters to be hit in a single attack'. A flurry of quick blows "
             "spread over the monsters next to the Paladin. Paired with Fanaticism it is the backbone of "
             "many melee plans.",
         .note = ""},
        {.name = "Charge",
         .level = 12,
         .prerequisites = {{{1, "Smite"}, kNone}},
         .icon = {6060, 2010},
         .label = {6600, 2325},
         .tooltip = "Charge and bash target",
         .description =
             "'Charge and bash target'. The Paladin rushes at a monster and strikes it with extra damage, "
             "knocking it back. A quick way to close the distance; it needs Smite and leads to Holy Shield.",
         .note = ""},
        {.name = "Vengance",
         .level = 18,
         .prerequisites = {{{3, "Zeal"}, kNone}},
         .icon = {4365, 2850},
         .label = {4920, 3225},
         .tooltip = "Attacks add elemental damage",
         .description =
             "'Attacks add elemental damage'. Each hit adds fire, cold and lightning damage at once. A good "
             "answer to monsters that resist plain weapon damage, and the skill that opens Conversion.",
         .note = ""},
        {.name = "Blessed Hammer",
         .level = 18,
         .prerequisites = {{{2, "Holy Bolt"}, kNone}},
         .icon = {5205, 2850},
         .label = {5775, 3225},
         .tooltip = "Spiralling magic hammer missile",
         .description =
             "'Spiralling magic hammer missile'. Sends a hammer of magic damage spiralling out around the "
             "Paladin. Very few monsters resist magic, and with Concentration running it makes a strong "
             "spell casting plan.",
         .note = ""},
        {.name = "Conversion",
         .level = 24,
         .prerequisites = {{{5, "Vengeance"}, kNone}},
         .icon = {4380, 3690},
         .label = {4920, 4080},
         .tooltip = "Converts monsters to fight evil",
         .description =
             "'Converts monsters to fight evil'. A hit may turn a monster against its own kind for a while. "
             "Fun in a crowded fight, but most plans take it for one point only, as the way to Fist of "
             "Heavens.",
         .note = ""},
        {.name = "Holy Shield",
         .level = 24,
         .prerequisites = {{{4, "Charge"}, {6, "Blessed Hammer"}}},
         .icon = {6060, 3705},
         .label = {6600, 4080},
         .tooltip = "Enhances your shield",
         .description =
             "'Enhances your shield'. Raises the defense and the chance to block of the shield in hand, and "
             "makes its smites hit harder. Any Paladin who carries a shield gains from a few points.",
         .note = ""},
        {.name = "Fist of Heavens",
         .level = 30,
         .prerequisites = {{{6, "Blessed Hammer"}, {7, "Conversion"}}},
         .icon = {5205, 4530},
         .label = {5775, 4875},
         .tooltip = "Target is banished",
         .description =
             "'Target is banished'. Calls a bolt of lightning down on one target and sends holy bolts out "
             "around it. It needs Blessed Hammer and Conversion and crowns the Combat Skills tree.",
         .note = ""},
    }},
    .undoOrder = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
};

constexpr TreeDef kDefensiveAuras{
    .code = "PaladinDef",
    .arrayName = "PaladinDefensive",
    .heading = "DEFENSIVE AURAS",
    .denOfEvilLevels = {35, 24, 3},
    .skills = {{
        {.name = "Prayer",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {7185, 390},
         .label = {7740, 735},
         .tooltip = "When active slowly regenerates the health of you and your party.",
         .description =
             "'When active slowly regenerates the health of you and your party'. Heals everyone near the "
             "Paladin a little at a time, for a small cost in mana. Welcome in the early acts, and the root "
             "of Cleansing.",
         .note = ""},
        {.name = "Resist Fire",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {8745, 390},
         .label = {9300, 735},
         .tooltip = "Aura protects against fire damage",
         .description =
             "'Aura protects against fire damage'. Raises the fire resistance of the Paladin and his party. "
             "Best switched on where fire is the main danger; a few points go a long way.",
         .note = ""},
        {.name = "Defiance",
         .level = 6,
         .prerequisites = {kNone, kNone},
         .icon = {7950, 1170},
         .label = {8490, 1545},
         .tooltip = "Aura boosts armour.",
         .description =
             "'Aura boosts armour'. Raises the defense of the Paladin and his party. A sound aura when the "
             "blows come thick and fast, and one of the two skills Vigor needs.",
         .note = ""},
        {.name = "Resist Cold",
         .level = 6,
         .prerequisites = {kNone, kNone},
         .icon = {8745, 1170},
         .label = {9300, 1545},
         .tooltip = "Aura protects against cold damage.",
         .description =
             "'Aura protects against cold damage'. Adds cold resistance for the Paladin and his party and "
             "shortens the time they stay frozen or chilled.",
         .note = ""},
        {.name = "Cleansing",
         .level = 12,
         .prerequisites = {{{0, "Prayer"}, kNone}},
         .icon = {7185, 1995},
         .label = {7740, 2340},
         .tooltip = "Aura reduces poison duration.",
         .description =
             "'Aura reduces poison duration'. Shortens the time that poison and curses last on the Paladin "
             "and his party. It needs Prayer and opens both Vigor and Meditation.",
         .note = ""},
        {.name = "Resist Lightning",
         .level = 12,
         .prerequisites = {kNone, kNone},
         .icon = {8745, 1995},
         .label = {9300, 2340},
         .tooltip = "Aura protects against lightning damage.",
         .description =
             "'Aura protects against lightning damage'. Raises lightning resistance for the Paladin and his "
             "party, a great help against the lightning casters of the later acts.",
         .note = ""},
        {.name = "Vigor",
         .level = 18,
         .prerequisites = {{{2, "Defiance"}, {4, "Cleansing"}}},
         .icon = {7935, 2850},
         .label = {8475, 3180},
         .tooltip = "Aura boosts stamina recovery and speed.",
         .description =
             "'Aura boosts stamina recovery and speed'. The Paladin and his party run faster and tire less. "
             "It needs Defiance and Cleansing and leads on to Redemption.",
         .note = ""},
        {.name = "Meditation",
         .level = 24,
         .prerequisites = {{{4, "Cleansing"}, kNone}},
         .icon = {7185, 3705},
         .label = {7725, 4050},
         .tooltip = "Aura boosts mana recovery.",
         .description =
             "'Aura boosts mana recovery'. Speeds up the mana regeneration of the whole party. A Paladin "
             "who casts a lot, with Blessed Hammer for instance, keeps it running between fights.",
         .note = ""},
        {.name = "Redemption",
         .level = 30,
         .prerequisites = {{{6, "Vigor"}, kNone}},
         .icon = {7935, 4530},
         .label = {8475, 4875},
         .tooltip = "Aura redeems dead bodies for mana and life.",
         .description =
             "'Aura redeems dead bodies for mana and life'. Consumes the corpses of slain monsters near the "
             "Paladin and gives him back life and mana for each one.",
         .note = ""},
        {.name = "Salvation",
         .level = 30,
         .prerequisites = {kNone, kNone},
         .icon = {8745, 4530},
         .label = {9285, 4875},
         .tooltip = "Aura protects against the elements.",
         .description =
             "'Aura protects against the elements'. Raises the fire, cold and lightning resistances of the "
             "Paladin and his party all at once, the one resist aura to keep up in Hell.",
         .note = ""},
    }},
    .undoOrder = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
};

}  // namespace

const ClassDef kPaladin{
    .charCentred = false,
    .commandColumnName = "img_ButtonBack",
    .bottomPanelName = "Image12",
    .bands = {{
        {-60, 315, 0x030031},
        {-60, 1125, 0x050044},
        {-60, 1935, 0x090057},
        {-60, 2790, 0x050068},
        {-60, 3645, 0x000079},
        {-60, 4470, 0x000099},
    }},
    .trees = {{kOffensiveAuras, kCombatSkills, kDefensiveAuras}},
    .connectors = kConnectors,
    .arrowheads = kArrowheads,
    .placements = {},
    .reserveUndoText = "Skill Level ",
    .levelUndoText = "Skill Points: ",
};

}  // namespace korvinth
