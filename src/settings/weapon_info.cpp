#include "settings/weapon_info.h"

#include "documents/config_document.h"

namespace brevane {

namespace {

// The descriptions are this program's own texts, written for players deciding where each weapon
// belongs in the list.

constexpr const char* kShieldGun =
    "Every player starts the match with the Shield Gun, and it is never useless. Hold the primary fire "
    "to charge a blast of force, then let go when an opponent is close: the punch can finish a wounded "
    "enemy outright. Point the charged blast at the floor and it throws you high into the air, a jump "
    "that reaches ledges no normal jump can. The alternate fire raises an energy shield in front of you "
    "that soaks up incoming shots for as long as its charge lasts; the charge refills while the shield "
    "is down.";

constexpr const char* kAssaultRifle =
    "The Assault Rifle is the other weapon you carry from the moment you spawn. Its primary fire is a "
    "steady stream of light bullets: each one does little damage, but the rifle is accurate enough to "
    "keep hitting at a fair distance and to finish off opponents who are already hurt. The alternate "
    "fire lobs grenades that bounce before they explode; hold the button longer to throw them further. "
    "Find a second Assault Rifle on the map and you fight with one in each hand, which doubles the rate "
    "of fire. It will not win many fights against a stronger weapon, yet in the opening seconds of a "
    "life it is often all you have, so learn where its grenades land.";

constexpr const char* kMinigun =
    "The Minigun spins up its barrels and then pours out bullets faster than any other weapon. The "
    "primary fire is a wide, rapid hail that shreds targets at short and middle range; the alternate "
    "fire turns slower but throws heavier, more accurate rounds that reach further. Keep it aimed and an "
    "opponent melts in seconds, but the barrels need a moment to start turning, and the spread makes "
    "long shots a waste of ammunition. Use it to hold a corridor or to chase a fleeing foe.";

constexpr const char* kShockRifle =
    "The Shock Rifle is the weapon of players who trust their aim. Its primary fire is an instant beam "
    "of energy that hits the moment you click, over any distance, and knocks the target backwards. The "
    "alternate fire launches a slow, glowing ball of plasma, the shock core, which drifts through the "
    "air and explodes where it strikes. The real art lies in combining the two: shoot a travelling shock "
    "core with the beam and it bursts in a large blast that hurts everyone around it. A well placed "
    "combo can clear a doorway or punish a group of enemies who bunch together, and one such blast is "
    "worth far more than the ammunition it uses. Cores also make a useful screen: launch one into a "
    "corridor and detonate it as an opponent walks through. Because the beam hits instantly it rewards "
    "tracking and prediction, and because it pushes, it can knock people off ledges into the void. Few "
    "weapons reward practice so clearly, and few are as satisfying when the combo lands.";

constexpr const char* kLinkGun =
    "The Link Gun is a plasma weapon built for team play. Its primary fire sends out a quick stream of "
    "green plasma bolts that travel fast and hit hard at close and middle range. The alternate fire is a "
    "continuous beam that locks on to whatever you point it at and keeps draining it while you hold the "
    "target in your sights. On an enemy the beam deals steady damage; on a friendly vehicle it repairs "
    "the hull; in Onslaught it builds and heals power nodes, and it is the fastest way to take a node "
    "that your team has already connected. When team mates aim their beams at you while you fire your "
    "own, they link with you and lend you their power: your beam grows stronger with each linked player, "
    "so a chain of three or four can hold a node against almost anything. The gun uses energy cells and "
    "eats them quickly in beam mode, so pick up ammunition whenever you pass it. Skilled players switch "
    "between the bolts and the beam mid fight to keep the pressure on a target.";

constexpr const char* kFlakCannon =
    "The Flak Cannon rules close quarters. Its primary fire throws a spray of red hot metal shards that "
    "bounce off walls, floors and ceilings, so a shot fired into a small room hits almost everything in "
    "it. At point blank range a single blast can take a healthy opponent out of the fight. The alternate "
    "fire lobs a flak shell in a high arc; it bursts on impact and scatters the same shards in every "
    "direction, which lets you hit players who hide around corners or below a ledge, and punishes anyone "
    "who camps in one spot. The shell is slow, so lead your target and aim a little above it at long "
    "range. The cannon loses its bite at a distance, where the shards spread and fall off, so close the "
    "gap before you pull the trigger, or fight from the doorway of a tight corridor. Bouncing shards can "
    "hit you too in very small spaces, so keep a step away from the wall you shoot at. It is a favourite "
    "weapon for ambushes.";

constexpr const char* kBioRifle =
    "The Bio-Rifle fires globs of green toxic sludge. The primary fire spits small blobs in quick "
    "succession; each one that misses lands on the floor or wall, sticks there for a few seconds, and "
    "bursts when an opponent walks into it, so a few shots across a doorway or a corridor turn it into a "
    "trap. The alternate fire charges one large glob for as long as you hold the button, then launches "
    "it in an arc; when it lands it splashes into a spread of smaller blobs, and a direct hit with a "
    "fully charged glob kills almost anyone outright. The weapon is slow, its globs fly in a curve and "
    "its range is short, so it is at its best when enemies must come to you: guard a flag room, the top "
    "of a lift or the narrow passage to an objective. Do not stand in your own sludge; it hurts you just "
    "the same. Against a moving target aim at the floor at their feet rather than at the body, because "
    "the splash does the work. Patience and good placement matter more with this weapon than with any "
    "other.";

constexpr const char* kRocketLauncher =
    "The Rocket Launcher is the all-round heavy weapon of the arena. Its primary fire sends a single "
    "rocket straight ahead; the rocket is fast but not instant, so lead a moving target and aim at the "
    "floor near its feet, where the blast will catch it even when the rocket misses. Hold the alternate "
    "fire to load up to three rockets and release the button to fire them together; tap the primary fire "
    "while loading to have them spiral around each other or spread out. Keep the crosshair on an "
    "opponent or a vehicle for a moment and the launcher locks on, so the next rocket turns to follow. A "
    "rocket jump, firing at the floor as you jump, throws you up to high ledges at the price of some "
    "health. Never fire at a wall right in front of you: the splash damage does not care whose rocket it "
    "was. It is a sound choice at almost any range, which is why so many players keep it near the top of "
    "this list.";

constexpr const char* kLightningGun =
    "The Lightning Gun fires a bolt of electricity that strikes instantly over any distance. Each shot "
    "does heavy damage, and a hit on the head is usually fatal, so the weapon rewards a calm hand and a "
    "good position. The alternate fire zooms the view; keep zooming to bring far away players close. The "
    "bolt leaves a bright trail in the air that points straight back to you, so every miss tells the "
    "enemy where you are. Move after a couple of shots rather than staying in one place. The gun is slow "
    "to reload between shots, which makes it a poor choice in a close fight: switch to something faster "
    "when an opponent reaches you. On large open maps a good marksman with this weapon can hold back a "
    "whole team, picking off attackers before they come close enough to answer.";

constexpr const char* kMineLayer =
    "The Mine Layer is a weapon for Onslaught. Its primary fire throws spider mines: small machines that "
    "settle on the ground and wait. When an enemy player or vehicle comes near, a mine wakes up, "
    "scuttles towards it on its legs and explodes on contact. You can keep a limited number of mines in "
    "the world at once; laying a new one after that removes your oldest. The alternate fire is a laser "
    "target designator. Point it at a spot and all of your mines walk to it, so you can send a pack of "
    "them after a tank, into an enemy base or across a bridge. Mines placed around a power node make it "
    "a dangerous place to stand, and a line of mines across a road slows down an attack for the whole "
    "team. Enemies can shoot the mines before they arrive, so do not rely on them alone; combine them "
    "with another weapon and keep laying more. The weapon is a poor answer when an opponent is already "
    "in your face, but it is excellent at defending ground while you fight elsewhere.";

constexpr const char* kAvril =
    "The AVRiL is an anti-vehicle rocket launcher for Onslaught and Assault. Hold the alternate fire to "
    "look through its scope, keep the sight on a vehicle until it locks, and the rockets you fire will "
    "steer towards that vehicle, even around corners. It will not lock on to players on foot, and its "
    "rockets are slow to reload, so it is a poor weapon against infantry. Against tanks, hovercraft and "
    "aircraft it is one of your best answers: a few hits destroy most vehicles, and pilots learn to fear "
    "the warning tone that tells them they are being tracked.";

constexpr const char* kGrenadeLauncher =
    "The Grenade Launcher is an Onslaught weapon that fires sticky grenades. The primary fire launches a "
    "grenade in an arc; it sticks to whatever it hits, a wall, the floor, an enemy player or the hull of "
    "a vehicle, and it stays there without exploding. The alternate fire detonates every grenade you "
    "have placed, all at once. Plant a cluster around a power node and set it off when attackers arrive, "
    "or stick several to a passing tank and blow them together for heavy damage. Mind your own grenades "
    "when you fire.";

constexpr const char* kSniperRifle =
    "The sniper rifle is the precision weapon for long range. Each shot strikes where the crosshair "
    "points the instant you fire, and it deals heavy damage; a hit on the head kills most opponents "
    "outright. The alternate fire brings up the scope and zooms the view step by step, so that distant "
    "players fill the sight. The modern rifle fires a charged bolt of lightning that leaves a bright "
    "trail back to you; the classic model fires a solid round, which gives your position away less "
    "readily. Both are slow between shots, so a missed shot gives your target time to hide or to answer. "
    "Find a high position with a long view, fire, then move before somebody finds you. In a close fight "
    "the rifle is a liability: switch to a faster weapon the moment an opponent gets near, and come back "
    "to the rifle when you have distance.";

constexpr const char* kTranslocator =
    "The translocator is a tool rather than a weapon, and it is the key to moving quickly around a map. "
    "The primary fire throws a small beacon that bounces along the ground; the alternate fire teleports "
    "you to wherever the beacon lies, instantly. Throw it up onto a ledge, across a gap or through a "
    "window and you can go where no one expects you. Teleporting into the space of an enemy standing on "
    "your beacon destroys them from the inside. The beacon can be shot: a damaged beacon is useless, and "
    "teleporting to it kills you. Press the primary fire again while the beacon is out to call it back "
    "to your hand. It has a small number of charges that recover over time. In Capture the Flag you "
    "cannot teleport with the flag: the flag drops where you stood. Because it deals no real damage it "
    "belongs at the bottom of the priority list, so picking up a weapon never switches you to it by "
    "accident.";

constexpr const char* kRedeemer =
    "The Redeemer is the super weapon of the arena: a launcher for a single small nuclear warhead. The "
    "primary fire sends the missile slowly forward in a straight line. The alternate fire lets you guide "
    "it yourself, seeing through the camera in its nose while your own body stands defenceless. Wherever "
    "it explodes, a huge blast wipes out everyone nearby, friend or foe alike, so fire it from far away. "
    "The missile can be shot down on its way, and a steered missile leaves you open to attack. You carry "
    "only one shot, so save it for the moment when a crowd gathers around an objective.";

constexpr const char* kBallLauncher =
    "The Ball Launcher appears in Bombing Run whenever you carry the ball, and replaces your other "
    "weapons until you let go. The primary fire throws the ball forward. The alternate fire locks on to "
    "a team mate so that the next throw becomes a pass that flies straight to them. Score by carrying "
    "the ball into the enemy goal for the most points, or by throwing it through the hoop from range.";

// The painter text names its weapon; both painters share it.

constexpr const char* kPainterBefore = "The ";
constexpr const char* kPainterAfter =
    " is a target designator rather than a gun. Aim it at the ground where the sky is open and hold the "
    "primary fire: a beam marks the spot, and when it has been held there for a few seconds a "
    "devastating strike from above falls on it, destroying everything near the target. The strike needs "
    "a clear view of the sky and a steady beam, so it is useless indoors. The alternate fire zooms the "
    "view for picking targets far away. Use it against groups of enemies and parked or slow vehicles.";

constexpr const char* kStartHint =
    "Click a weapon in the list, then use the two arrow buttons to move it up or down. Weapons higher in "
    "the list are chosen first when you pick up a new gun. ";

std::string painterText(const char* name) {
    return std::string(kPainterBefore) + name + kPainterAfter;
}

} // namespace

const std::vector<WeaponInfo>& weaponInfoTable() {
    static const std::vector<WeaponInfo> table = {
        {"Shield Gun", "S h i e l d   G u n", kShieldGun},
        {"Assault Rifle", "A s s a u l t   R i f l e", kAssaultRifle},
        {"Minigun", "M i n i g u n", kMinigun},
        {"Shock Rifle", "S h o c k   R i f l e", kShockRifle},
        {"LinkGun", "L i n k   G u n", kLinkGun},
        {"Flak Cannon", "F l a k   C a n n o n", kFlakCannon},
        {"Bio-Rifle", "B i o - R i f l e", kBioRifle},
        {"Rocket Launcher", "R o c k e t   L a u n c h e r", kRocketLauncher},
        {"Lightning Gun", "L i g h t n i n g   G u n", kLightningGun},
        {"Mine Layer", "M i n e   L a y e r", kMineLayer},
        {"AVRiL", "A V R i L", kAvril},
        {"Grenade Launcher", "G r e n a d e   L a u n c h e r", kGrenadeLauncher},
        {"Sniper Rifle", "S n i p e r   R i f l e", kSniperRifle},
        {"Classic Sniper", "C l a s s i c   S n i p e r", kSniperRifle},
        {"Ion Painter", "I o n   P a i n t e r", painterText("Ion Painter")},
        {"ONS-Painter", "O N S -  P a i n t e r", painterText("ONS-Painter")},
        {"Translauncher", "T r a n s l a u n c h e r", kTranslocator},
        {"Redeemer", "R e d e e m e r", kRedeemer},
        {"Ball Launcher", "B a l l   L a u n c h e r", kBallLauncher},
    };
    return table;
}

const WeaponInfo* weaponInfoFor(std::string_view slotText) {
    for (const WeaponInfo& info : weaponInfoTable())
        if (equalsIgnoreCase(info.slotText, slotText)) return &info;
    return nullptr;
}

std::string startInfoDescription() {
    return std::string(kStartHint) + kTranslocator;
}

} // namespace brevane
