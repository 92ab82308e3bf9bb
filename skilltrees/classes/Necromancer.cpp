// The Necromancer's window: Summon, Poison and Bone, and Curse skills.
//
// This window is the model of the common frame, so every shared control keeps
// its default place and the placements list is empty. The middle tree's code
// is "NecroBone" although its control arrays are "NecroBonePoison": the code is
// what the popup and the statistics window key on.
#include "skilltrees/ClassData.h"

namespace korvinth {
namespace {

constexpr Connector kConnectors[] = {
    {"Line3", 1995, 660, 3360, 660},      // Skeleton Mastery across to Raise Skeleton (drawn only)
    {"Line4", 3480, 870, 3480, 4845},     // Raise Skeleton, Raise Skeletal Mage, Revive
    {"Line5", 2685, 1485, 2685, 4860},    // Clay, Blood, Iron and Fire Golem
    {"Line7(0)", 1875, 1680, 2595, 1395},  // Clay Golem across to the Golem Mastery column
    {"Line6", 1860, 1665, 1860, 3570},    // Golem Mastery, Summon Resistance
    {"Line10", 5490, 615, 5490, 4530},    // Teeth, Corpse Explosion, Bone Spear, Bone Spirit
    {"Line8", 6345, 675, 6345, 3720},     // Bone Armor, Bone Wall, Bone Prison
    {"Line9", 4635, 1380, 4635, 4500},    // Poison Dagger, Poison Explosion, Poison Nova
    {"Line11", 4635, 2355, 5250, 1620},   // Corpse Explosion to Poison Explosion
    {"Line12", 6345, 3330, 5730, 3105},   // Bone Spear to Bone Prison
    {"Line13", 8235, 855, 8235, 4875},    // Amplify Damage, Iron Maiden, Life Tap, Lower Resist
    {"Line14", 7470, 1650, 7455, 3945},   // Dim Vision, Confuse, Attract
    {"Line7(2)", 8220, 525, 9015, 870},   // Amplify Damage across to the Weaken column
    {"Line15", 9015, 885, 9015, 4065},    // Weaken, Terror, Decrepify
    {"Line7(1)", 8235, 4275, 8970, 3885},  // Decrepify to Lower Resist
};

// Image1 is the window's only rightward arrowhead, at the end of Line3.
constexpr Arrowhead kArrowheads[] = {
    {"Image1", 2970, 495, true},        // Raise Skeleton
    {"Image2", 3285, 1770, false},      // Raise Skeletal Mage
    {"Image3(0)", 3270, 4260, false},   // Revive
    {"Image7", 1665, 1740, false},      // Golem Mastery
    {"Image8", 1665, 3435, false},      // Summon Resistance
    {"Image5", 2490, 2595, false},      // Blood Golem
    {"Image4", 2490, 3435, false},      // Iron Golem
    {"Image6", 2490, 4275, false},      // Fire Golem
    {"Image10", 5295, 945, false},      // Corpse Explosion
    {"Image3(1)", 5295, 2565, false},   // Bone Spear
    {"Image3(3)", 5295, 4260, false},   // Bone Spirit
    {"Image9(0)", 6150, 1725, false},   // Bone Wall
    {"Image3(2)", 6150, 3420, false},   // Bone Prison
    {"Image3(4)", 4440, 2580, false},   // Poison Explosion
    {"Image3(5)", 4455, 4260, false},   // Poison Nova
    {"Image9(8)", 8820, 930, false},    // Weaken
    {"Image9(6)", 8025, 1755, false},   // Iron Maiden
    {"Image9(2)", 8820, 1755, false},   // Terror
    {"Image9(1)", 7275, 2580, false},   // Confuse
    {"Image9(3)", 8025, 2580, false},   // Life Tap
    {"Image9(4)", 7260, 3435, false},   // Attract
    {"Image9(7)", 8820, 3435, false},   // Decrepify
    {"Image9(5)", 8040, 4260, false},   // Lower Resist
};

constexpr Prerequisite kNone{};

// Raise Skeleton has no prerequisite although Line3 joins it to Skeleton
// Mastery; the line is decoration only.
constexpr TreeDef kSummon{
    .code = "NecroSummon",
    .arrayName = "NecroSummon",
    .heading = "Summon Skills",
    .denOfEvilLevels = {35, 24, 3},
    .skills = {{
        {.name = "Skeleton Mastery",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {1575, 390},
         .label = {2145, 765},
         .tooltip = "(Passive) Increases skeleton and revived quality.",
         .description =
             "(Passive) 'Increases skeleton and revived quality'. Adds life and damage to every skeleton "
             "warrior, skeletal mage and revived monster you raise. A summoner who means to let an army do "
             "the fighting puts many points here, since each point makes the whole army stronger at once.",
         .note = ""},
        {.name = "Raise Skeleton",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {3210, 390},
         .label = {3750, 765},
         .tooltip = "Cast on a corpse of a slain monster to raise a skeleton warrior that fights for you.",
         .description =
             "'Cast on a corpse of a slain monster to raise a skeleton warrior that fights for you'. Each "
             "new point lets you keep one more warrior at your side. The skeletons hold the line while you "
             "curse and cast from behind them, so this is the first skill of nearly every summoning "
             "Necromancer.",
         .note = ""},
        {.name = "Clay Golem",
         .level = 6,
         .prerequisites = {kNone, kNone},
         .icon = {2400, 1200},
         .label = {3000, 1545},
         .tooltip = "Creates golem to fight for caster.",
         .description =
             "'Creates golem to fight for caster'. A slow, sturdy giant of earth that draws monsters away "
             "from you and slows what it strikes. Only one golem of any kind stands at a time. One point is "
             "enough for most plans; it opens the road to the other golems and their mastery.",
         .note = ""},
        {.name = "Golem Mastery",
         .level = 12,
         .prerequisites = {{{2, "Clay Golem"}, kNone}},
         .icon = {1575, 2010},
         .label = {2145, 2340},
         .tooltip = "(Passive) Adding points to this mastery will improve the foot speed of your golem and "
                    "increase its hit points.",
         .description = "(Passive) Adding points to this mastery will improve the foot speed of your golem "
                        "and increase its hit points.",
         .note = ""},
        {.name = "Raise Skeletal Mage",
         .level = 12,
         .prerequisites = {{{1, "Raise Skeleton"}, kNone}},
         .icon = {3210, 2010},
         .label = {3765, 2340},
         .tooltip = "Reanimates skeletal mage from target corpse.",
         .description =
             "'Reanimates skeletal mage from target corpse'. The mage keeps its distance and casts bolts of "
             "fire, cold, lightning or poison, chosen at random for each one raised. Mages add ranged damage "
             "and elemental effects that a wall of warriors cannot give.",
         .note = ""},
        {.name = "Blood Golem",
         .level = 18,
         .prerequisites = {{{2, "Clay Golem"}, kNone}},
         .icon = {2400, 2850},
         .label = {2985, 3225},
         .tooltip = "A golem that shares health and damage.",
         .description =
             "'A golem that shares health and damage'. Its blows heal you and the wounds it takes drain "
             "your own life, so the bond works both ways. It suits a Necromancer with a large pool of life; "
             "one point is enough to reach the Iron Golem.",
         .note = ""},
        {.name = "Summon Resistance",
         .level = 24,
         .prerequisites = {{{3, "Golem Mastery"}, kNone}},
         .icon = {1575, 3705},
         .label = {2145, 4050},
         .tooltip = "(Passive) Summoned monsters gain resistance.",
         .description =
             "(Passive) 'Summoned monsters gain resistance'. Gives every skeleton, golem and revived "
             "monster resistance to fire, cold and lightning. In the later difficulties elemental monsters "
             "melt an army quickly, and a few points here keep it standing.",
         .note = ""},
        {.name = "Iron Golem",
         .level = 24,
         .prerequisites = {{{5, "Blood Golem"}, kNone}},
         .icon = {2400, 3705},
         .label = {2925, 4050},
         .tooltip = "Creates a golem from an item.",
         .description =
             "'Creates a golem from an item'. Cast it on a piece of metal gear lying on the ground: the "
             "golem takes on the item's magic, so a well chosen weapon or armor makes a fearsome guard. The "
             "item is used up, so pick it with care.",
         .note = ""},
        {.name = "Fire Golem",
         .level = 30,
         .prerequisites = {{{7, "Iron Golem"}, kNone}},
         .icon = {2400, 4530},
         .label = {2940, 4875},
         .tooltip = "Creates a fire golem.",
         .description =
             "'Creates a fire golem'. A burning golem that deals fire damage, heals itself from fire aimed "
             "at it and scorches the enemies around it. It is good against monsters that shrug off physical "
             "blows; a summoner often takes only the one point.",
         .note = ""},
        {.name = "Revive",
         .level = 30,
         .prerequisites = {{{4, "Raise Skeletal Mage"}, kNone}},
         .icon = {3210, 4530},
         .label = {3765, 4875},
         .tooltip = "Raise a monster that fights for you.",
         .description =
             "'Raise a monster that fights for you'. Brings a slain monster back for a few minutes with its "
             "own attacks and extra life. Each point allows one more revived ally. Strong monsters of the "
             "later acts make the best revives, and they carry many summoning plans.",
         .note = ""},
    }},
    .undoOrder = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
};

constexpr TreeDef kPoisonBone{
    .code = "NecroBone",
    .arrayName = "NecroBonePoison",
    .heading = "Poison / Bone Skills",
    .denOfEvilLevels = {35, 24, 3},
    .skills = {{
        {.name = "Teeth",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {5205, 390},
         .label = {5775, 765},
         .tooltip = "Fires multiple teeth missiles.",
         .description =
             "'Fires multiple teeth missiles'. A cheap spread of magic missiles that grows by one tooth with "
             "each point. Early on it clears weak packs well; later it is mostly a stepping stone toward "
             "Corpse Explosion and the bone spells.",
         .note = ""},
        {.name = "Bone Armor",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {6060, 390},
         .label = {6600, 720},
         .tooltip = "Create a damage-absorbing bone shell.",
         .description =
             "'Create a damage-absorbing bone shell'. A shield of bone that soaks up melee blows until it "
             "breaks, after which it can be cast again. One point gives cheap safety in the early acts and "
             "is the first step toward Bone Wall and Bone Prison.",
         .note = ""},
        {.name = "Poison Dagger",
         .level = 6,
         .prerequisites = {kNone, kNone},
         .icon = {4365, 1200},
         .label = {4920, 1545},
         .tooltip = "Next dagger attack poisons target.",
         .description =
             "'Next dagger attack poisons target'. Turns a dagger strike into a strong dose of poison. Only "
             "a Necromancer who fights hand to hand with a dagger has use for more than one point; most "
             "plans take one to reach Poison Explosion.",
         .note = ""},
        {.name = "Corpse Explosion",
         .level = 6,
         .prerequisites = {{{0, "Teeth"}, kNone}},
         .icon = {5205, 1200},
         .label = {5775, 1545},
         .tooltip = "Turn a corpse into a bomb.",
         .description =
             "'Turn a corpse into a bomb'. Blows up a corpse for a share of the dead monster's life as "
             "damage to everything near it. One kill can set off a chain that wipes out a whole pack, which "
             "makes this one of the class's best skills at any level.",
         .note = ""},
        {.name = "Bone Wall",
         .level = 12,
         .prerequisites = {{{1, "Bone Armor"}, kNone}},
         .icon = {6060, 2010},
         .label = {6600, 2325},
         .tooltip = "Creates an impassable barrier.",
         .description =
             "'Creates and impassable barrier'. Raises a line of bone that blocks monsters in their path. "
             "A wall across a doorway or corridor buys time to curse and explode corpses, and one point is "
             "all it takes to go on toward Bone Prison.",
         .note = ""},
        {.name = "Poison Explosion",
         .level = 18,
         .prerequisites = {{{2, "Poison Dagger"}, {3, "Corpse Explosion"}}},
         .icon = {4365, 2850},
         .label = {4920, 3225},
         .tooltip = "Turn a corpse into a poison gas bomb.",
         .description =
             "'Turn a corpse into a poison gas bomb'. Bursts a corpse into a cloud of poison that keeps "
             "hurting everything that stands in it. It is slower than Corpse Explosion but ignores fire "
             "resistance; most plans take one point on the way to Poison Nova.",
         .note = ""},
        {.name = "Bone Spear",
         .level = 18,
         .prerequisites = {{{3, "Corpse Explosion"}, kNone}},
         .icon = {5205, 2850},
         .label = {5775, 3225},
         .tooltip = "Cast a bone missile.",
         .description =
             "'Cast a bone missile'. A spear of bone that pierces every monster in its line and deals magic "
             "damage, which few monsters resist. It is the main attack of a bone Necromancer and is worth "
             "many points; Bone Spirit and Bone Prison both need it.",
         .note = ""},
        {.name = "Bone Prison",
         .level = 24,
         .prerequisites = {{{4, "Bone Wall"}, {6, "Bone Spear"}}},
         .icon = {6060, 3705},
         .label = {6600, 4080},
         .tooltip = "Creates a bone barrier around target.",
         .description =
             "'Creates a bone barrier around target'. Encloses a monster in a ring of bone and holds it in "
             "place while you deal with its friends. It is useful on archers and on a champion you want to "
             "keep away for a moment. One point is usually enough.",
         .note = ""},
        {.name = "Poison Nova",
         .level = 30,
         .prerequisites = {{{5, "Poison Explosion"}, kNone}},
         .icon = {4380, 4530},
         .label = {4920, 4860},
         .tooltip = "Cast an expanding ring of poison.",
         .description =
             "'Cast an expanding ring of poison'. Sends a ring of poison outward in every direction that "
             "slowly drains the life of each monster it touches. With Lower Resist on the pack it does "
             "great harm, and a poison Necromancer puts his spare points here.",
         .note = ""},
        {.name = "Bone Spirit",
         .level = 30,
         .prerequisites = {{{6, "Bone Spear"}, kNone}},
         .icon = {5205, 4530},
         .label = {5775, 4875},
         .tooltip = "A seeking missile of bone",
         .description =
             "'A seeking missile of bone'. A spirit that hunts down a target on its own and deals heavy "
             "magic damage. It flies slower than Bone Spear but seldom misses, so a bone caster often fills "
             "both and saves the spirit for single strong foes.",
         .note = ""},
    }},
    .undoOrder = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
};

constexpr TreeDef kCurse{
    .code = "NecroCurse",
    .arrayName = "NecroCurse",
    .heading = "Curse Skills",
    .denOfEvilLevels = {35, 24, 3},
    .skills = {{
        {.name = "Amplify Damage",
         .level = 1,
         .prerequisites = {kNone, kNone},
         .icon = {7950, 390},
         .label = {8490, 735},
         .tooltip = "Curse a group of enemies, increasing the non-magic damage they receive.",
         .description =
             "'Curse a group of enemies, increasing the non-magic damage they receive'. Cursed monsters "
             "take double damage from physical blows. One point covers a wide area, so summoners and melee "
             "fighters cast it on nearly every pack.",
         .note = ""},
        {.name = "Dim Vision",
         .level = 6,
         .prerequisites = {kNone, kNone},
         .icon = {7185, 1200},
         .label = {7740, 1545},
         .tooltip = "Curse a group of enemies, reducing their vision radius",
         .description =
             "'Curse a group of enemies, reducing their vision radius'. Cursed monsters see only a few "
             "paces and stop shooting at you from afar. It is handy against archers and casters, but it "
             "does not hold champions or bosses; one point is plenty.",
         .note = ""},
        {.name = "Weaken",
         .level = 6,
         .prerequisites = {{{0, "Amplify Damage"}, kNone}},
         .icon = {8745, 1200},
         .label = {9285, 1545},
         .tooltip = "Curse a group of enemies, reducing their ability to do damage.",
         .description =
             "'Curse a group of enemies, reducing their ability to do damage'. Cuts the damage the cursed "
             "monsters deal by a third. One point helps a frail party in the early acts, and it leads on to "
             "Terror and Decrepify.",
         .note = ""},
        {.name = "Iron Maiden",
         .level = 12,
         .prerequisites = {{{0, "Amplify Damage"}, kNone}},
         .icon = {7935, 2010},
         .label = {8490, 2325},
         .tooltip = "Curse a group of enemies, causing them to harm themselves when harming others.",
         .description =
             "'Curse a group of enemies, causing them to harm themselves when harming others'. Every melee "
             "blow a cursed monster lands comes back to it several times over. It is deadly against packs "
             "of hard hitters, but of no use against arrows or spells.",
         .note = ""},
        {.name = "Terror",
         .level = 12,
         .prerequisites = {{{2, "Weaken"}, kNone}},
         .icon = {8745, 2010},
         .label = {9300, 2340},
         .tooltip = "Afflicted runs away in terror.",
         .description =
             "'Afflicted runs away in terror'. Cursed monsters flee for a few seconds, which gives you time "
             "to heal or step out of a crowd. It has no hold on bosses, and most plans give it no more than "
             "one point.",
         .note = ""},
        {.name = "Confuse",
         .level = 18,
         .prerequisites = {{{1, "Dim Vision"}, kNone}},
         .icon = {7185, 2850},
         .label = {7725, 3180},
         .tooltip = "Afflicted attack random targets.",
         .description =
             "'Afflicted attack random targets'. Cursed monsters strike at whatever is nearest, friend or "
             "foe, so a pack may tear itself apart. It is less steady than Attract, but it turns a crowd "
             "into a brawl in a moment.",
         .note = ""},
        {.name = "Life Tap",
         .level = 18,
         .prerequisites = {{{3, "Iron Maiden"}, kNone}},
         .icon = {7935, 2850},
         .label = {8475, 3195},
         .tooltip = "Afflicted returns life to attacker.",
         .description =
             "'Afflicted returns life to attacker'. Whoever hits a cursed monster gains back life from the "
             "blow, so a melee party or a summoned army heals itself as it fights. One point is usually "
             "enough, and it leads to Lower Resist.",
         .note = ""},
        {.name = "Attract",
         .level = 24,
         .prerequisites = {{{5, "Confuse"}, kNone}},
         .icon = {7185, 3705},
         .label = {7725, 4050},
         .tooltip = "Afflicted becomes universal target.",
         .description =
             "'Afflicted becomes universal target'. The cursed monster draws the attacks of the monsters "
             "around it, which fight it instead of you. A single cast on one member of a pack can keep the "
             "rest busy for a long time.",
         .note = ""},
        {.name = "Decrepify",
         .level = 24,
         .prerequisites = {{{4, "Terror"}, kNone}},
         .icon = {8745, 3705},
         .label = {9285, 4035},
         .tooltip = "Weakens the joints of afflicted.",
         .description =
             "'Weakens the joints of afflicted'. Slows the cursed monsters, cuts their damage and makes "
             "physical blows hurt them more. It works even on bosses, which makes it one of the best curses "
             "for a melee or summoning plan.",
         .note = ""},
        {.name = "Lower Resist",
         .level = 30,
         .prerequisites = {{{6, "Life Tap"}, {8, "Decrepify"}}},
         .icon = {7950, 4530},
         .label = {8490, 4875},
         .tooltip = "Lowers the afflicted resistance to magic.",
         .description =
             "'Lowers the afflicted resistances' Every fire, cold, lightning and poison attack on the "
             "cursed monsters strikes much harder. It is the curse of choice for a poison caster and for any "
             "party that deals elemental damage; even one point helps a great deal.",
         .note = ""},
    }},
    .undoOrder = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
};

}  // namespace

const ClassDef kNecromancer{
    .charCentred = false,
    .commandColumnName = "img_ButtonBack",
    .bottomPanelName = "Image12",
    .bands = {{
        {-60, 315, 0x141414},
        {-60, 1125, 0x1C1C1C},
        {-60, 1935, 0x242424},
        {-60, 2790, 0x2C2C2C},
        {-60, 3645, 0x353535},
        {-60, 4470, 0x474747},
    }},
    .trees = {{kSummon, kPoisonBone, kCurse}},
    .connectors = kConnectors,
    .arrowheads = kArrowheads,
    .placements = {},
    .reserveUndoText = "Skill Level ",
    .levelUndoText = "Skill Points: ",
};

}  // namespace korvinth
