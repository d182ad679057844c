#include "quotes/collection.h"

namespace sagelight {

// The sayings a fresh quote file is seeded with, one per record, in order.
// A few entries are deliberately awkward so that a new installation exercises
// the same paths real user files do:
//  - entries 39 and 41 are longer than the 200 characters a record holds, and
//    each is cut in the middle of a word when stored;
//  - entry 251 repeats entry 171 word for word.
// Keep those properties when editing; tests/collection_test.cpp checks them.
const std::array<std::string_view, kCollectionSize> kCollection = {{
    "Gardeners talk with the weather all their lives, and nobody has ever had the last word.",
    "The night bus knows the city better than anyone who governs it: which corners are lonely, "
    "which kitchens are still lit, who is going home in tears.",
    "A cake that sinks in the middle still tastes of the butter and the sugar, and gets eaten "
    "first.",
    "Starlight sets out long before anyone alive was born, and arrives just in time for you to "
    "look up.",
    "Most jobs look simple from the doorway.",
    "The first warm day of spring makes everyone a gardener for an afternoon.",
    "The tide always wins. The children know it perfectly well, and they still give the castle "
    "windows, a moat and a flag on a straw.",
    "A battered violin case on the morning bus carries one small instrument and thousands of "
    "hours of somebody's evenings.",
    "A good conversation is a walk taken side by side, not a race to the gate.",
    "The mountain path is steepest just below the ridge, which is exactly where most walkers "
    "decide the summit is not worth it.",
    "Learn a new language and the jokes are the last thing to arrive, long after the grammar and "
    "the rude words.",
    "The body keeps its diary in the knees, and after forty it reads the whole thing aloud on "
    "every flight of stairs.",
    "Under a microscope, nothing is ever quite as still as it looked on the table.",
    "Habits are the paths we wear across the lawn of our days without ever deciding to.",
    "At rush hour a thousand private hurries squeeze onto one narrow road, and each of them is "
    "sure it is the important one.",
    "Nobody ever regretted going to bed an hour early, though many regret the hour they stayed up.",
    "Glue holds best once you stop poking the join to see whether it has held.",
    "The ball has no idea of the score, so it bounces just as fairly for the losing side.",
    "The town clock was always five minutes slow, and instead of mending it, the whole town "
    "learned to be five minutes early, which is how a broken clock made the most punctual town in "
    "the valley.",
    "Autocorrect is perfectly sure of every word except the one you actually meant.",
    "Mushrooms appear overnight in the lawn after years of quiet work underground.",
    "Write the worry down and watch it shrink to the size of the paper it is on.",
    "Drummers are trusted by the whole band to be dull in exactly the right places.",
    "Bridges are built by people who believe the other bank is worth reaching.",
    "Streetlights come on one at a time, like a city remembering where it left things.",
    "Old friends can share a long drive through the night without once reaching for the radio, "
    "and arrive feeling they have talked for hours.",
    "Siblings remember the same childhood and argue about every detail of it, including the dog.",
    "A hat keeps the rain off your head, but not the worry out of it.",
    "The old remember the weather of their youth far better than yesterday's.",
    "Old tools carry the shape of the hands that used them, and a new owner learns a great deal "
    "by noticing where the handle has worn smooth.",
    "Fossils are the only letters the deep past ever bothered to send.",
    "The attic holds the past, and the cellar holds the jam; both reward a visit.",
    "Far out at sea on a clear night, the stars come all the way down to the water.",
    "An old map is still a fine thing to own. Half its roads have moved and its rivers have "
    "changed their minds since it was drawn, but it still shows, in faded ink, where people once "
    "hoped to go.",
    "Clouds are only the sky thinking things over.",
    "How much better dumplings taste when everyone at the table has folded a few of them badly!",
    "A fever breaks the way a storm does, all at once, leaving damp sheets and a rinsed new "
    "morning.",
    "The night cleaner can tell which desk in the office works hardest from the rings its coffee "
    "cups leave, and which one only looks busy.",
    "Nobody in our building admits to owning the trumpet, but every evening someone upstairs "
    "practises the same slow tune, a little better each week. By now the whole courtyard is "
    "quietly on their side. When they miss the high note we all flinch, and when they finally hit "
    "it we cheer.",
    "Credit cards are light as a leaf in the shop and heavy as a stone at the end of the month.",
    "Ask a child why the sky is blue and you will hear about oceans, paint or a giant with a huge "
    "brush. Ask a scientist and you will hear about scattered sunlight. Keep both answers; a "
    "clear day needs them both.",
    "Rest is part of the work, just as the breath between phrases is part of the song.",
    "A message in a bottle is patience with a cork in it.",
    "Coffee in the morning is a promise, and coffee at midnight is a mistake.",
    "Haggling at the market is a dance in which both partners pretend not to care.",
    "What courage it takes to start the birthday song in a crowded restaurant!",
    "Plenty of people come to the housewarming; fewer of them carried the sofa up four flights of "
    "stairs the week before.",
    "Tennis players talk to themselves between points, and the answers decide the match.",
    "Paint a room yourself and you will meet every crack the last owner hid.",
    "A chess game is usually lost a few moves before either player notices.",
    "The dentist only asks how your holiday went once your mouth is full of instruments.",
    "The window seat on a long train turns the whole country into a film with no plot, no "
    "dialogue and no ending, and nobody ever asks for a refund.",
    "The oak in the park is older than any argument ever held on the bench beneath it.",
    "The oldest building on the street has outlived every plan to knock it down, and every "
    "planner.",
    "A stranger once ran half a block in the rain to hand back a glove I had dropped, said "
    "nothing, and vanished into the crowd, and all that day the whole city seemed to be on my "
    "side.",
    "A good answer is often just a good question that has been turned around.",
    "Water the plant on the office windowsill. Nobody else will, and it has been trying so hard.",
    "Old photographs make everyone look a little surprised to have been young.",
    "A second-hand book sometimes arrives with a stranger's bus ticket still keeping their place.",
    "Rain drumming on a tin roof sounds like trouble to the traveller still out on the road and "
    "like a lullaby to the one who is safe and dry underneath, and it is exactly the same rain.",
    "Good bread needs flour, water, salt and time, and only the first three are cheap.",
    "An iron pan remembers each careless scrubbing, and punishes the next omelette.",
    "Hiccups vanish the moment you ask someone to sit and listen for them.",
    "The person who can fix the printer is the most important one in the building for ten minutes "
    "a week and invisible for the rest of it.",
    "A receipt kept in a drawer for years is a small monument to not being sure.",
    "A sprained ankle introduces you to every step and slope in the neighbourhood.",
    "Swings go highest for the child who leans back, points their toes at the sky and stops "
    "trying.",
    "A dog that barks at every passing cart is hoarse when the thief arrives.",
    "The ugliest tomatoes on the stall are the ones the good cooks reach for first.",
    "A letter written by hand is kept in a drawer; a message typed in haste is lost by evening.",
    "Boasting is a loud bell with a cracked rim.",
    "Dishes left in the sink overnight are somehow twice as heavy in the morning.",
    "Dreams are the mind tidying its cupboards while the house is asleep.",
    "A good repair shop keeps more old radios singing than any warranty ever did.",
    "A metronome keeps perfect time and has never once felt like dancing.",
    "A child learning to read sounds out the cereal box as though it were a poem.",
    "A baby's hand closes around one finger, and the whole family is caught.",
    "Work finished badly is seldom finished for long; it comes back, usually on a holiday.",
    "Lightning arrives all at once, and the thunder follows on foot, grumbling.",
    "Gratitude notices the bread before it complains about the butter.",
    "Salt water finds every scratch on your hands and every weak stitch in the sail.",
    "Saving up for a thing makes it twice as lovely on the day you carry it home.",
    "The sea gives back what it takes, but never to the same beach.",
    "A piano left in a railway station gets played by everyone who believes nobody is listening, "
    "and the whole concourse listens.",
    "A sigh is a thought that has given up looking for words.",
    "The friend who mentions the spinach in your teeth is worth ten who smile politely.",
    "Night-shift nurses watch the sun rise from the wrong end of the day and still say good "
    "morning.",
    "According to exactly half the crowd, every call the referee makes is wrong.",
    "Good artists wear out their erasers long before they wear out their pencils.",
    "On summer nights, fireflies make a dark field look like a city that has not been built yet.",
    "Nobody really understands fractions until the evening they have to explain them to a tired "
    "nine-year-old with a pizza drawn on an envelope.",
    "Most of the sailors a lighthouse keeper saves will never learn the keeper's name.",
    "Early risers hear the birds rehearse before the rest of the world wakes for the concert.",
    "Your physiotherapist believes in your knee a full week before you do.",
    "Tides make no appointments, yet in all these years they have never missed one.",
    "Questions are the only homework a child does without being told.",
    "Cash in an envelope marked rent is the bravest money in the house.",
    "Is anything braver than a toddler's first three steps toward a waiting pair of arms?",
    "The last coat of varnish is the one that catches each speck of dust.",
    "A compass needle trembles before it settles, and is no less sure of north for that.",
    "Everyone on the street knows where the spare key is hidden, except the one standing locked "
    "out in the rain, patting their pockets.",
    "Travel with a spare pair of socks, a little patience and no opinions about the local food.",
    "The potter learns more from the pots that crack than from the ones that sell.",
    "Jet lag is the body arriving a day after the luggage.",
    "Each family keeps one recipe that nobody has ever managed to write down properly.",
    "Most cupboards have a shelf of bargains that nobody needed, still in their wrappers.",
    "The hush before the applause is the one part of a concert the whole audience plays.",
    "A guitar left in the corner of a room tempts guests to play the same four chords.",
    "A careful experiment asks its question so precisely that the world cannot wriggle out of "
    "answering.",
    "Interest works through the night, in whichever direction you have pointed it.",
    "Owls, bats and astronomers do their best work while the rest of us dream.",
    "Who planted the first tree on this busy street, and did they ever guess how many tired "
    "people would stop and stand in its shade?",
    "Paper planes fly best on the first throw and worst in front of an audience.",
    "Love is the quiet work of remembering how someone takes their tea.",
    "Nobody remembers the flawless dinner party, but everyone remembers the night the oven died "
    "and we ate toast by candlelight.",
    "The sun does not rise at all; we simply turn round, yawning, to face it again.",
    "Each word in the dictionary was once somebody's odd new idea, and somebody else frowned at "
    "it over dinner.",
    "Some friends listen the way a cat sits in the sun: wholly, and with no plans for later.",
    "Poetry is ordinary words that have been asked to stand very still and listen.",
    "Draw the shadow carefully and the apple on the table will appear by itself.",
    "A password you cannot remember guards your secrets mostly from you.",
    "The first step onto the ice is the bravest; the second is merely careful.",
    "Crabs walk sideways and still reach the water before the children can catch them.",
    "Home is the place where your coat knows its own hook and the stairs know your step.",
    "A power cut on a winter night introduces a whole building to itself, one candle at a time, "
    "on the stairs and landings.",
    "The door you slam tonight is the door you must open in the morning.",
    "The last slice of cake is the shyest food in the world: nobody will take it.",
    "Rain is the sky's way of watering the gardens of people who forgot.",
    "Every shortcut through the woods comes home with a longer story and muddier boots.",
    "Yawns cross a crowded room faster than any rumour can.",
    "The first week at a new job is spent learning where the cups live, whose cup is whose, and "
    "which one you must never, ever use.",
    "Songs you hated at fifteen come back years later carrying whole summers with them.",
    "Every machine has a favourite noise it makes just before it breaks.",
    "A hedge between two neighbours seems to grow a little thicker and taller with every quarrel.",
    "Summer is the season that makes promises the autumn has to keep.",
    "A bruise fades through the colours of a sunset before it lets you forget the table leg.",
    "Children invent the rules of a game faster than they can play it, and then argue over them "
    "for longer than the game itself ever lasted.",
    "Swimming in cold water teaches you to breathe slowly and to trust your own arms.",
    "An eclipse turns a city into people standing in the street in the middle of a working day, "
    "looking up together like children.",
    "A shopping list left at home remembers everything.",
    "The road home is always shorter when you know someone has left the porch light on.",
    "Meteors are mostly dust, and still the field goes quiet when one crosses the sky.",
    "The ferry leaves without the latecomers, but it always comes back across the water for them.",
    "The cat sleeps soundly through the storm that keeps the household awake.",
    "Retirement gives back all the hours, but takes away the excuse for leaving the party early.",
    "Snowflakes all have six sides, and not one of them came with instructions.",
    "Brothers and sisters fight over the last slice and defend each other from the world.",
    "Winter is the season when the garden sleeps under the frost and the gardener sits by the "
    "fire with a pile of seed catalogues, planning a summer that has never once turned out as "
    "planned.",
    "The first word you learn abroad is usually sorry, and the second is thank you.",
    "The one chapter you skipped is always the first question on the exam.",
    "Instructions are read only after the thing has been built with three screws left over.",
    "Spices lose their smell in the cupboard long before they lose their place there.",
    "Margins full of pencil notes turn a library book into a quiet conversation among strangers.",
    "Even the finest violin sounds like a cat in a sack until someone spends a few patient years "
    "learning to hold the bow, and the neighbours spend those same years learning to be patient "
    "too.",
    "A tidy shed is a letter to the evening, months from now, when you need the hammer in a "
    "hurry, in the rain and in the dark.",
    "Has anyone ever waved at a passing train, been waved back at, and regretted it?",
    "A book left on the shelf teaches as much as a seed left in the packet.",
    "What a racket one cricket can make in a silent bedroom!",
    "Waves rub out footprints as fast as anyone can make them, and by morning the beach is "
    "covered again with new ones.",
    "Nostalgia edits the rain out of every summer.",
    "Sunburn is the bill that arrives at bedtime for an afternoon that felt free.",
    "Teenagers slam doors so that the house knows they are still in it and still cross.",
    "The drawer of old chargers is a museum of phones that nobody misses and nobody throws away.",
    "Shared laughter over a spilled coffee can turn a room of waiting strangers into a "
    "neighbourhood.",
    "Every jigsaw is missing one piece, and the dog under the sofa knows exactly where it is.",
    "Anger drives off at top speed and then cannot remember where it parked the car.",
    "Every choir has one voice a little too loud, and it is never the singer's own.",
    "Somewhere tonight a telescope is pointed at a patch of sky that looks perfectly empty to us "
    "and holds thousands of galaxies.",
    "The night sky is the oldest book, and everyone can read a page of it.",
    "Compost is yesterday's dinner on its way to becoming tomorrow's lettuce.",
    "Fishing teaches patience to the angler and caution to the fish.",
    "A quick sorry fits in a text message; a late one needs a letter, a visit and a cake.",
    "Nobody dances at the back of the hall until somebody at the front has looked foolish first.",
    "Marathon crowds cheer loudest for the runners at the back, who have been out there longest.",
    "Sing badly. The birds have heard worse, and the shower has heard everything.",
    "Nobody admires the scaffolding, yet no wall was ever raised without it.",
    "A kitchen with one good knife is better than a drawer of dull ones.",
    "Your inbox will be empty at last, most likely in the week you leave the job.",
    "The periodic table is a short list of ingredients for everything you have ever touched.",
    "On the last day of a trip, you finally understand the bus timetable.",
    "A dog forgives you for being late before you have even taken off your coat to apologise.",
    "The runner who glances back over one shoulder gives half a step to curiosity.",
    "Saving is simply spending on the person you will be next year, who will be grateful.",
    "In a strange city, follow the smell of a bakery and you are never lost for long.",
    "Reading the last page first is a crime that harms nobody but the author.",
    "Ivy spends decades covering a wall and is admired in a single passing glance.",
    "Jazz is a conversation in which interrupting is the polite thing to do.",
    "Ants build whole cities without a single plan, and never argue about the parking.",
    "A potter's first bowl always leans a little to one side, and somebody in the family still "
    "eats soup from it every winter.",
    "Sawdust in a friend's hair at dinner means the shelves are finally up.",
    "Trains leave exactly on time only on the mornings when you are running late for them.",
    "Hope needs very little luggage: a seed packet, a train ticket, an unopened letter.",
    "Envy counts the apples on the neighbour's tree and lets its own fall in the grass.",
    "The weaver's patience shows most of all in the threads you will never see on the finished "
    "cloth.",
    "Salt is cheap until you run out of it in the middle of the cooking.",
    "A choir is forty imperfect voices adding up to one that somehow is not.",
    "A long walk cures more bad moods than a short temper ever caused.",
    "The best travel companions share the map, the bread and the blame, and they still laugh "
    "about the wrong turns years afterwards.",
    "Every morning at the same corner, a stranger on the other bus nods at me, and after six "
    "years of nodding we have never spoken a word. If they stopped coming one morning, I would "
    "worry all day.",
    "An island teaches you the sound of the ferry long before it teaches you anyone's name.",
    "A pot of chilli tastes better on the second day, which is more than most arguments manage.",
    "Ask a child what the moon is for. The answer will be better than anything in the "
    "encyclopedia.",
    "The heron stands still in the shallows for an hour and calls it fishing.",
    "A good librarian can find the book you need from a description of its cover, a vague memory "
    "of its colour and a guess about the author's hat, then hand you a better one you did not "
    "know you wanted.",
    "A stew forgives a late guest, but a custard forgives no one.",
    "Writers read their own sentences aloud to catch the ones that are lying.",
    "Good neighbours mind your cat while you are away and their own business when you are home.",
    "Couples fifty years married can argue about the route for an hour without unfolding the map, "
    "and both of them are usually right.",
    "A neon sign buzzing above a closed shop goes on making its pitch to an empty street.",
    "Losing at cards to a grandchild, convincingly, is the hardest game of all.",
    "Rowers sit facing the shore they are leaving and trust the voice at the stern to tell them "
    "where they are going and how fast.",
    "Hide and seek ends when the seeker goes in for supper, and the best hider is still behind "
    "the curtain at dark, very proud and a little hungry.",
    "Blow on a dandelion and you have sown next year's argument with the neighbours.",
    "Night does not fall everywhere at once; it sweeps slowly westward across the oceans and the "
    "cities like a very old, very patient broom.",
    "The snail reaches the top of the wall as well, and it brought its house along.",
    "A thing mended with care is often loved more than it was when it was new.",
    "A fair price leaves the buyer and the seller both willing to meet again.",
    "Blank paper is frightening only until the first crooked line is written across it.",
    "The pupil who asks why will outgrow the teacher who only answers because.",
    "A garden teaches every lesson twice: once in the spring, when you plant your rows with hope "
    "and string, and again in the autumn, when you kneel in the mud and count honestly what "
    "actually grew there.",
    "A harbour light is lit for strangers, and that is why sailors love it.",
    "Who taught the sparrows at the station to wait for the lunchtime crowd?",
    "Sleep is the one appointment that no amount of cleverness or coffee can move.",
    "A weather forecast is a promise written in pencil.",
    "Beehives run on a dance that nobody taught and everybody follows to the letter.",
    "A new town teaches you the most on the morning you get thoroughly lost in its back streets.",
    "A button sewn back on is the cheapest small victory in the house, and one of the most "
    "satisfying.",
    "When a friend moves away, the map of your city quietly loses a street.",
    "Ideas written at midnight need reading again at breakfast before anyone else sees them.",
    "A workbench tells the truth about its owner: the scratches show what was attempted and the "
    "clean corners show what was never tried.",
    "Forgiveness takes a minute to say and a year to mean, and both count.",
    "Every tall tree in the park spent years as a twig that the dogs ignored.",
    "An umbrella is always forgotten on the very day it is most needed, usually on a train.",
    "Headphones on a crowded train build a small private room with no walls and no door.",
    "Parents measure their children against the kitchen door frame, and the children measure "
    "their parents against the world.",
    "Gossip is a letter with no stamp that is somehow delivered everywhere.",
    "Behind every cheap peach in the shop is someone who picked it before sunrise.",
    "A job begun at dawn has the whole day to go wrong and the whole day to be put right.",
    "Friendships rarely end in a quarrel; most of them fade in a pile of unanswered messages.",
    "Pigeons have never paid for a ticket and know all the stations in the city.",
    "The baker rises before the sun so that the town may rise to bread.",
    "A cook who tastes while stirring serves no surprises except the pleasant kind.",
    "A holiday is a loan of time from the rest of the year, repaid with a tan.",
    "The quietest person at the meeting has usually read the report, all of it.",
    "The task you put off grows heavier each time you lift it to look at it.",
    "Drink a glass of water and eat something before deciding that the whole day has gone wrong.",
    "A well-made chair is never praised while you sit in it, only on the day a guest gets the "
    "wobbly one.",
    "A tunnel is dark in the middle, but both ends were dug toward the daylight.",
    "The goalkeeper is remembered for one mistake and forgotten for a hundred saves.",
    "Each year the birthday cake has to work a little harder to hold the candles.",
    "Fishing teaches patience to the angler and caution to the fish.",
    "A pair of boots resoled three times has walked further than any pair in the shop window.",
    "Sleep on the hard decision, by all means, but set the alarm.",
    "A tune you know by heart is the only luggage that weighs nothing at all on a long road.",
    "Spring does not argue with winter; it simply arrives and starts the work.",
    "A creaking stair is the house's way of announcing who came home late.",
    "The dancer who is too afraid of falling never quite learns how to turn.",
    "A sheepdog knows every sheep in the flock, and not one of them knows the dog's name.",
    "A comet can be gone for seventy years and still arrive on the day it promised.",
    "The harbour cats know when the fishing boats are due long before anyone hears an engine.",
    "What a marvel a public library is: warm, free, and open to anyone with a question!",
    "Mistakes in a new language make friends faster than perfect grammar does.",
    "A long rope and two friends to turn it make any stretch of street into a stage.",
    "A patchwork quilt is proof that odd scraps, patiently joined, can become something warm.",
    "Memory is a kind attic that keeps the good chairs and quietly loses the broken ones.",
    "The puddle a child jumps in is deeper than any ocean the grown-ups cross.",
    "Tomatoes ripen on the windowsill faster than anyone can find a recipe for them.",
    "Karaoke proves that courage and pitch are kept in separate pockets.",
    "Why do the best ideas arrive in the shower, where there is nothing to write them down with?",
    "Every museum guard has a favourite painting and will tell you which, if you ask.",
    "Stairs are a gym with no membership fee, no music and no mirrors.",
    "A fox that knocks politely at the henhouse and wipes its feet is still, in the end, a fox.",
    "Snow hushes a town the way a hand on the skin hushes a drum.",
    "The right screwdriver is always in the other drawer.",
    "Cranes on the skyline are questions the city has not finished answering.",
    "Whoever first noticed the same stars returning each year gave us the calendar, the harvest "
    "festival and the habit of looking up.",
    "The best tool in any workshop is the one somebody bothered to put back.",
    "A grandparent's kitchen drawer holds string, candles, three keys to unknown doors and the "
    "answer to most of the family's troubles.",
    "Say yes to the odd invitation. Half the best stories begin at a party you nearly skipped.",
    "Spider silk, weight for weight, is stronger than steel, and it is spun overnight in the shed.",
    "A stranger's kindness in a foreign town is remembered longer than any cathedral.",
    "Ask a stranger for directions and you may get a story, a shortcut and a wrong turn, all for "
    "free, and now and then the place you were looking for.",
    "The letter carrier knows which houses wait at the window and which never open the door.",
    "The comment marked temporary is usually the oldest line in the program.",
    "How many of the songs we love were first written on the back of a bus ticket?",
    "A letter from an old friend, in handwriting you would know anywhere, arrives like a window "
    "thrown open in a stuffy room, and for the rest of the day even the bills smell of fresh air.",
    "Who taught the starling on the roof to imitate the neighbour's car alarm?",
    "Pride keeps its coat buttoned all evening in a warm room.",
    "Ice floats, and that small fact is why the fish in the lake live to see spring.",
    "The family group chat is where good news is announced, old arguments are restarted at "
    "midnight and bad photographs live forever.",
    "The afternoon is long for children and short for anyone with a list.",
    "Laughter shakes loose in a minute what a whole week of worry had stuck fast.",
    "How long a minute lasts when you are holding a plank!",
    "The little shop on the corner closes at ten and knows half the street's business by nine.",
    "Debt is a guest who eats at your table every night and never brings dessert.",
    "Injury comes in a hurry, and recovery takes the long way home, stopping at every bench.",
    "The moon has been visited, measured and photographed from all sides, and it still stops "
    "people in their tracks on the way to the car.",
    "Welders look at the world through a dark window and see one small, fierce, bright star.",
    "A good painting rewards the second look more than the first, and the tenth most of all.",
    "Weather apps agree with one another about one thing only: yesterday.",
    "A thank-you wave from a driver you let in can last the rest of the drive.",
    "A sudden downpour empties the streets, fills the cafes and introduces strangers in doorways.",
    "Frost on the window paints pictures nobody asked for and everybody admires.",
    "Somewhere in any city a street musician is playing to a platform that will never clap, and "
    "on a late train one of those commuters is humming the tune all the way home without knowing "
    "why.",
    "Lazy hands always write the longest and neatest lists of things that must be done tomorrow.",
    "How do seeds remember, after years in a dry drawer, how to be a flower?",
    "An old friend rings after three years and opens with the punchline of a joke you both "
    "remember.",
    "A good host makes the guest feel the house was built for the visit.",
    "Every household has words that mean something only at its own dinner table.",
    "Practise a hard thing until it bores you, and then it is ready for an audience.",
    "A story told by the fire grows a little every winter, and nobody minds.",
    "The storm will pass. Until it does, bring in the laundry, fill the lamps, find the candles, "
    "check on the neighbour next door, and let the children watch the lightning from the dark "
    "bedroom window.",
    "A friend is someone who knows which drawer you keep the spoons in.",
    "Airports are full of long goodbyes pretending to be about luggage and passports.",
    "A sailor reads the clouds the way a grandparent reads a face coming in through the door.",
    "Orchestras tune to a single oboe, which takes a certain confidence on the oboe's part.",
    "Who first looked at a lump of wet clay by the river and saw a cup?",
    "Some cactus flowers open for a single night, and the moths have been waiting all year.",
    "Every wave that breaks on the shore has crossed an ocean to do it.",
    "Lend the book anyway. If it never comes back, somewhere a stranger is turning its pages at "
    "midnight.",
    "Walking a city teaches you everything the map left out: the hills, the smells, the stairs "
    "and which corner always catches the wind.",
    "Put one good bench in a busy square and it will do more for the city than most statues.",
    "Who reads the safety card in the seat pocket before the plane begins to shake?",
    "A team photograph never shows who carried the water bottles, and the team remembers anyway.",
    "Slide a magnet under the kitchen table and the paper clips on top march about like a small "
    "ghost's army, and the children watching want to know how.",
    "Knots tied by an old sailor look simple and come undone only when asked.",
    "A tune whistled on a stairwell comes back from the walls slightly improved.",
    "Two friends can share one small umbrella and both arrive wet and happy.",
    "A bicycle left in the shed all winter squeaks its complaints in spring.",
    "Cyclists know all the hills in the city, including the ones the drivers never noticed.",
    "Shout into a canyon and it repeats your name, as though checking it heard you right.",
    "At three in the morning every lit window in the city is a small story that has not yet gone "
    "to bed.",
    "Ask a cabinet maker why a drawer glides and you will get an hour about a hair's width of "
    "wood.",
    "Glasses pushed up on your head can hide there for a whole frantic morning.",
    "Twice a day the moon tugs at the sea's sleeve, and the shoreline answers.",
    "Good photographs are mostly patience and partly knowing when to hold your breath.",
    "The best dancers make the floor look as though it is doing half the work.",
    "Gamblers keep careful notes on dice that keep none at all.",
    "Your heart will beat about a hundred thousand times today without being asked, and all it "
    "wants in return is a walk now and then.",
    "After a long drought, even thunder in the night sounds like very good news.",
    "Keep the ticket stub. Years from now it may be all the proof you have that the night "
    "happened.",
    "A friend who has your spare key also keeps quiet about what they found in your fridge.",
    "Cooking for one is a science; cooking for six is a party with burnt edges.",
    "Nettles guard the best blackberries, as if they knew which ones were worth guarding.",
    "A coin found in the street feels like luck, though it was someone else's bad afternoon.",
    "Has anyone in history ever read every word of the terms and conditions?",
    "The lifeboat crew trains each week of the year, in all weathers, for the one night they hope "
    "will never come.",
    "Old walking boots stuffed at the back of a cupboard remember all the miles they walked, "
    "including the ones you have since lied about.",
    "Whoever mends the nets on the quay never curses the holes; they are what the sea charges for "
    "fish.",
    "Plant bulbs in the cold ground and then forget them. The spring will remind you.",
    "How quickly a quiet street fills with children once the first snow falls!",
    "Sand along the grain, slowly and without pressing, and the wood will show you its true face.",
    "The kitchen is the one room where a mistake teaches its lesson by smell.",
    "The deep sea glows with creatures nobody has ever named, and they go on shining in the dark "
    "whether anyone is looking or not.",
    "Crows in the park remember faces for years, so it pays to be polite to them.",
    "Growing old beside good friends turns the same old jokes into heirlooms.",
    "A clockmaker learns that the smallest wheel is often the one that stops everything.",
    "Leftovers are the compliment a good meal pays to tomorrow's lunch.",
    "A kettle sings just before it is ready, which is more than most of us do.",
    "Honey found in ancient tombs is still fit to eat, which makes the jar of jam at the back of "
    "the cupboard look rather nervous.",
    "A house becomes a home somewhere between the first argument about the thermostat and the "
    "first dinner eaten on the floor.",
    "Climbers check each other's knots before anyone is allowed to check the view.",
    "Every spreadsheet has one cell that everyone in the office is afraid to touch.",
    "Fog on an autumn evening turns the familiar lane into a rumour of itself.",
    "Children copy the way you treat the waiter long before they copy your speeches about manners.",
    "Drilling in the street below is somebody's progress and everybody's headache.",
    "A jar of summer fruit opened on a grey morning tastes of a day you had forgotten.",
    "Untangling a necklace takes exactly as long as you are willing to stay calm about it.",
    "Children on a trampoline believe, for one bright second at the top of each bounce, that they "
    "have finally escaped.",
    "Good friends can argue all through dinner and still split the bill without a word.",
    "Rehearsals are where a play learns to fail in private, line by line, before anyone buys a "
    "ticket.",
    "A brass band in the park on a Sunday is never quite in tune, and nobody minds: the children "
    "march, the dogs howl along, and the old couple on the bench hold hands as if it were their "
    "wedding.",
    "A game of tag has no winner, only a playground full of children out of breath.",
    "On the first night in a new home, every creak in the walls belongs to a stranger.",
    "The night train carries its sleepers past towns that will never know they were there.",
    "Board games bring out the lawyer in the gentlest member of the family.",
    "Learning the piano at seventy turns every clumsy scale into a small act of defiance.",
    "Writers who wait for the perfect pen and the perfect morning write mostly shopping lists.",
    "The cook who apologises for the meal invites the guests to find fault.",
    "Makers know the mistakes hidden in the corners where nobody else ever looks.",
    "A long swim empties the head the way a tide empties a rock pool, leaving only the bright "
    "things.",
    "The calendar on the fridge tells a family's whole year in crossings-out.",
    "At a market abroad, pointing and smiling will buy almost everything.",
    "A house full of children never has a pen that works or a spoon in the right drawer.",
    "The cafe that remembers your order turns a strange city into a neighbourhood within a week.",
    "Worries weigh far more at midnight than they do at noon over a cup of tea.",
    "Split a stone on the beach and you may find a tiny shell that has been waiting in there, "
    "quite patiently, since before the dinosaurs.",
    "Snorkelling shows that the calm blue surface has been hiding a very busy city.",
    "A dripping tap counts the hours out loud until someone finally fixes it.",
    "Every mountain path was once a goat's good idea that the rest of us decided to follow.",
    "One good cry in the parked car does more for the week than anyone admits.",
    "A photograph of the sunset is never as good as the sunset, and every evening, all along the "
    "beach, we take it anyway.",
    "Nobody remembers the weather on the day the house was built. They remember whether the roof "
    "held, whether the doors closed properly, and whether the fire drew well on the coldest night "
    "of the year.",
    "In a mountain hut at night, strangers from six countries share one pot of soup and one "
    "opinion about the weather.",
    "Saying I was wrong out loud takes a second and leaves the room lighter for a week.",
    "Summer evenings stretch out like cats in the last of the sun.",
    "When a favourite cafe closes, the neighbourhood discovers how many strangers it had in "
    "common.",
    "Moving house turns up one glove, a key to nothing and a letter you were sure you had "
    "answered.",
    "A tailor's chalk lines vanish in the first wash, and the good fit stays for years.",
    "Last year's diary reads like a novel about someone you almost remember.",
    "Surfers spend most of the day sitting on their boards waiting, and nobody calls it wasted.",
    "Phones in a waiting room light each face the same pale blue, except the child staring at the "
    "fish tank, who is actually somewhere.",
    "Dogs greet you at the door as though you had been to war, not out for milk.",
    "How the old radiators knock and sigh all evening, like elderly guests enjoying the party!",
    "Glassblowers have to keep turning the pipe, or the bright idea sags onto the floor.",
    "Teach a parrot a single rude word and it will wait years for the perfect guest.",
    "Summits are for views, but valleys are where people actually live.",
    "Early swimmers count their lengths, and around the twentieth they stop counting anything at "
    "all.",
    "Ask the oldest neighbour about the street. Each house has a story, and nobody has asked in "
    "years.",
    "The last train home on a Friday is full of people who have stopped pretending.",
    "How do swallows find the same old barn every year without a single map?",
    "Ink dries in a minute, but the words it carried soak into the reader for years.",
    "A foreign menu read with a dictionary is a small adventure before the soup arrives.",
    "Every garden has a corner that grows whatever it likes, and a wise gardener lets it.",
    "Sand in your shoes for a week is the price of one afternoon at the sea.",
    "Copy down the method from the board, but leave the answer for your own pencil to find.",
    "Autumn turns the park into a slow bonfire that never needs lighting.",
    "The moon borrows its light and still lends it to anyone walking home late.",
    "At dawn the bakers on their way to work pass the dancers on their way home, and both look "
    "pleased.",
    "Good joinery needs very few nails, and good manners in a happy house need very few rules.",
    "A cat will share your chair only when it has decided you are worthy of it.",
    "A candle burns no brighter for being watched, and no dimmer for being ignored.",
    "A calendar crammed with plans is a garden with too many seeds in every hole.",
    "A stonemason carves a mark on a hidden face of the stone, where only the next mason, a "
    "hundred years later, will ever find it.",
    "A long line moves faster for those who brought a good book and much slower for those who "
    "keep checking the clock.",
    "A song hummed at the workbench makes the work shorter and the afternoon kinder.",
    "The onion makes the cook weep before it makes the family glad at supper.",
    "Money in the bank lets you sleep, money in your pocket lets you spend, and money in your "
    "head keeps you wide awake all night.",
    "Eating alone in a restaurant with no phone and no book takes a quiet, particular kind of "
    "nerve, and the food tastes better for it.",
    "Theatre is a room full of strangers agreeing to believe the same story for an evening.",
    "Shells on the beach were once somebody's whole house, with no room for guests.",
}};

}  // namespace sagelight
