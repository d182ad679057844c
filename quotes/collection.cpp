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
    "The long metro escalator lifts a hundred tired commuters in silent single file, like a "
    "procession to an unannounced coronation.",
    "A cake that sinks in the middle still tastes of butter and sugar, and is eaten first.",
    "Starlight sets out long before anyone alive was born, and arrives just in time for you to "
    "look up.",
    "Most jobs look simple from the doorway.",
    "New running shoes are fastest in the box, before anyone has asked anything of them.",
    "The tide always wins. The children know it perfectly well, and they still give the castle "
    "windows, a moat and a flag on a straw.",
    "A battered violin case on the morning bus carries one small instrument and thousands of hours "
    "of somebody's evenings.",
    "A good conversation is a walk taken side by side, not a race to the gate.",
    "Continents drift about as fast as fingernails grow, so an atlas is out of date before the ink "
    "is dry.",
    "Learn a new language and the jokes are the last thing to arrive, long after the grammar and "
    "the rude words.",
    "Six weeks in a plaster cast collects a crowd of signatures, and the arm comes out pale, thin "
    "and oddly famous.",
    "Under a microscope, nothing is ever quite as still as it looked on the table.",
    "Habits are the paths we wear across the lawn of our days without ever deciding to.",
    "At rush hour a thousand private hurries squeeze onto one narrow road, and each of them is "
    "sure it is the important one.",
    "Counting sheep works only for those who lose count; the careful ones reach four hundred "
    "awake.",
    "Glue holds best once you stop poking the join to see whether it has held.",
    "The ball has no idea of the score, so it bounces just as fairly for the losing side.",
    "The town clock ran five minutes slow, and instead of mending it the town learned to be five "
    "minutes early, which is how a broken clock made the most punctual town in the valley.",
    "Autocorrect is perfectly sure of every word except the one you actually meant.",
    "Harmonicas fit in a shirt pocket and somehow sound like a long way from home.",
    "Blood donors leave with juice, a small bandage and the odd pride of being a little emptier.",
    "Drummers are trusted by the whole band to be dull in exactly the right places.",
    "Soap bubbles wear every colour at once and last about as long as a good excuse.",
    "The best prices at the fruit market arrive in the last half hour, along with the wasps.",
    "Relays are won or lost at the handover, where a runner at full speed reaches back, "
    "open-handed, for something unseen.",
    "A jar of foreign coins sits on many a shelf, worth a fortune in a country nobody is going "
    "back to.",
    "When the monsoon finally breaks, the gutters of the town burst into song!",
    "Under a magnifying glass, a moth's wing turns out to be tiled like a bathroom floor.",
    "Old tools carry the shape of the hands that used them, and a new owner learns a great deal by "
    "noticing where the handle has worn smooth.",
    "Fossils are the only letters the deep past ever bothered to send.",
    "The attic holds the past, and the cellar holds the jam; both reward a visit.",
    "Far out at sea on a clear night, the stars come all the way down to the water.",
    "An old map is still a fine thing to own. Half its roads have moved and its rivers have "
    "changed their minds, but it shows, in faded ink, where people once hoped to go.",
    "Clouds are only the sky thinking things over.",
    "How much better dumplings taste when everyone at the table has folded a few of them badly!",
    "A fever breaks the way a storm does, all at once, leaving damp sheets and a rinsed new "
    "morning.",
    "In a gale the ship's cook serves soup with one hand and holds the stove with the other, and "
    "the crew complain about the salt.",
    "Nobody in the building admits to owning the trumpet, yet every evening someone upstairs "
    "practises the same slow tune, a little better each week, and by now the whole courtyard is on "
    "their side. Encores are demanded by banging on the pipes, which the trumpet takes as a "
    "compliment.",
    "Split the bill by what each person ate and the table turns into a courtroom with dessert.",
    "Lullabies in every language fall at the end of each line, like arms lowering a sleeping baby "
    "into a cot, and a baby anywhere on earth seems to understand the tune long before it knows "
    "the words. Sleepyheads.",
    "An accordion breathes in and out like a dog dreaming, and the tune comes out both ways.",
    "A message in a bottle is patience with a cork in it.",
    "Coffee in the morning is a promise, and coffee at midnight is a mistake.",
    "Haggling at the market is a dance in which both partners pretend not to care.",
    "One missed penalty, and forty thousand people breathe out at the same moment!",
    "Plenty of people come to the housewarming; fewer of them carried the sofa up four flights of "
    "stairs the week before.",
    "Tennis players talk to themselves between points, and the answers decide the match.",
    "Paint a room yourself and you will meet every crack the last owner hid.",
    "A chess game is usually lost a few moves before either player notices.",
    "Vaccines work best when nothing happens, which makes them very hard to thank.",
    "The window seat on a long train turns the country into a film with no plot, no dialogue and "
    "no ending, and nobody asks for a refund.",
    "The oak in the park is older than any argument ever held on the bench beneath it.",
    "The oldest building on the street has outlived every plan to knock it down, and every "
    "planner.",
    "The lost property office at a big station holds umbrellas by the hundred, false teeth and one "
    "cello a year, which takes a special kind of daydream to leave behind.",
    "A good answer is often just a good question that has been turned around.",
    "Water the plant on the windowsill at work. Nobody else will, and it has been trying so hard.",
    "Old photographs make everyone look a little surprised to have been young.",
    "A second-hand book sometimes arrives with a stranger's bus ticket still keeping their place.",
    "Rain drumming on a tin roof sounds like trouble to the traveller out on the road and like a "
    "lullaby to the one safe and dry underneath, and it is the same rain.",
    "Good bread needs flour, water, salt and time, and only the first three are cheap.",
    "Once a locksmith has opened your front door in a minute, you never quite trust that door "
    "again.",
    "Hiccups vanish the moment you ask someone to sit and listen for them.",
    "A container ship stacked higher than most of the town crosses an ocean with a crew small "
    "enough to share one table at supper.",
    "Times tables chanted in a hot classroom come back, rhythm and all, at a market stall.",
    "A sprained ankle introduces you to every step and slope in the neighbourhood.",
    "Jugglers practise throwing, not catching: a good throw lands in the hand as if invited.",
    "The substitute warms up all match for ten minutes that may never come.",
    "The ugliest tomatoes on the stall are the ones the good cooks reach for first.",
    "Pawnshop windows are full of guitars and watches waiting for somebody's better month.",
    "Every anchor is a promise made to the mud.",
    "Dishes left in the sink overnight are somehow twice as heavy in the morning.",
    "Dreams are the mind tidying its cupboards while the house is asleep.",
    "A good repair shop keeps more old radios singing than any warranty ever did.",
    "A metronome keeps perfect time and has never once felt like dancing.",
    "A child learning to read sounds out the cereal box as though it were a poem.",
    "A baby's hand closes around one finger, and the whole family is caught.",
    "A bricklayer's string line is the straightest thing on site, and every brick answers to it.",
    "Lightning arrives all at once, and the thunder follows on foot, grumbling.",
    "Chilli seeds hide in the one forkful you were not ready for.",
    "Salt water finds every scratch on your hands and every weak stitch in the sail.",
    "Saving up for a thing makes it twice as lovely on the day you carry it home.",
    "No two people see quite the same rainbow; each stands at the centre of their own.",
    "A piano left in a railway station gets played by everyone who believes nobody is listening, "
    "and the whole concourse listens.",
    "A sigh is a thought that has given up looking for words.",
    "A borrowed ladder that comes back with a bag of lemons has started something.",
    "Night-shift nurses watch the sun rise from the wrong end of the day and still say good "
    "morning.",
    "According to exactly half the crowd, every call the referee makes is wrong.",
    "Good artists wear out their erasers long before they wear out their pencils.",
    "On summer nights, fireflies make a dark field look like a city that has not been built yet.",
    "Nobody really understands fractions until the evening they have to explain them to a tired "
    "nine-year-old with a pizza drawn on an envelope.",
    "Sea glass is a broken bottle that the waves have spent thirty years forgiving.",
    "Early risers hear the birds rehearse before the rest of the world wakes for the concert.",
    "Your physiotherapist believes in your knee a full week before you do.",
    "One thermometer in the shade and one in the sun will argue all day about the same afternoon.",
    "Questions are the only homework a child does without being told.",
    "Cash in an envelope marked rent is the bravest money in the house.",
    "Is anything braver than a toddler's first three steps toward a waiting pair of arms?",
    "The last coat of varnish is the one that catches each speck of dust.",
    "A compass needle trembles before it settles, and is no less sure of north for that.",
    "Everyone on the street knows where the spare key is hidden, except the one standing locked "
    "out in the rain, patting their pockets.",
    "Travel with a spare pair of socks, a little patience and no opinions about the local food.",
    "An upholsterer opens an old armchair and finds coins, hairpins and sixty years of crumbs.",
    "Cross enough time zones and breakfast arrives twice in one day.",
    "Each family keeps one recipe that nobody has ever managed to write down properly.",
    "Most cupboards hide a shelf of bargains never needed, still in their wrappers.",
    "The hush before the applause is the one part of a concert the whole audience plays.",
    "A guitar left in the corner of a room tempts guests to play the same four chords.",
    "A careful experiment asks its question so precisely that the world cannot wriggle out of "
    "answering.",
    "Lottery tickets buy a week of plans and a Saturday of arithmetic.",
    "Owls, bats and astronomers do their best work while the rest of us dream.",
    "Skateboarders fall off the same stair rail a hundred times in an afternoon, and the hundred "
    "and first attempt is the one they film.",
    "Dominoes in the square are slapped down so hard that the table is part of the game.",
    "An octopus tastes whatever it touches, which must make shaking hands complicated.",
    "Table tennis in a garage has house rules about the lawnmower, the ceiling and the cat, and "
    "visitors lose until they learn them.",
    "The sun does not rise at all; we simply turn round, yawning, to face it again.",
    "Each word in the dictionary was once somebody's odd new idea, and somebody else frowned at it "
    "over dinner.",
    "Some friends listen the way a cat sits in the sun: wholly, and with no plans for later.",
    "Poetry is ordinary words that have been asked to stand very still and listen.",
    "Draw the shadow carefully and the apple on the table will appear by itself.",
    "Volcanic soil grows the sweetest grapes, which is a brave kind of farming.",
    "The first step onto the ice is the bravest; the second is merely careful.",
    "Crabs walk sideways and still reach the water before the children can catch them.",
    "Graffiti on a railway bridge is a name shouted very slowly at everyone who passes.",
    "Humpback whales change their song a little each year, and within a season the ocean is "
    "humming the new one.",
    "Why does a new house key weigh so much more than an old one, for about a week?",
    "Street food tastes best eaten standing up, with the cook watching to see your face.",
    "Rain is the sky's way of watering the gardens of people who forgot.",
    "Visitors' books in mountain huts are mostly weather, written by hand with cold fingers.",
    "Yawns cross a crowded room faster than any rumour ever can.",
    "Dairy farmers have not slept late since they bought the first cow, and the cows see no reason "
    "to discuss it.",
    "Four clicks of the drumsticks, and the argument from the van is put off until the song ends.",
    "Every machine has a favourite noise it makes just before it breaks.",
    "A hedge between two neighbours seems to grow a little thicker and taller with every quarrel.",
    "In the dry season the river is a road, and in the wet season the road is a river.",
    "A bruise fades through the colours of a sunset before it lets you forget the table leg.",
    "Children invent the rules of a game faster than they can play it, then argue over them longer "
    "than the game lasted.",
    "Divers climb the ladder slowly for a fall that lasts less than two seconds.",
    "An eclipse turns a city into people standing in the street in the middle of a working day, "
    "looking up together like children.",
    "Hailstones are raindrops that went up too high.",
    "Night markets bloom at dusk in a square that spends all day pretending to be ordinary.",
    "Iron rusts, copper greens and silver darkens; only gold seems to have nothing on its mind.",
    "The ferry leaves without the latecomers, but it always comes back across the water for them.",
    "The cat sleeps soundly through the storm that keeps the household awake.",
    "Retirement gives back all the hours, but takes away the excuse for leaving the party early.",
    "Sign painters hold their breath at the start of each stroke and breathe out at the end.",
    "Twins are asked which one is older so often that the answer becomes a small ceremony.",
    "Harbour pilots climb a rope ladder up a moving ship at night, steer it past the rocks and "
    "climb down again before breakfast, as if it were an ordinary commute.",
    "Driving instructors keep one foot above a second brake and a calm voice above both.",
    "Referees run as far as the players and are never once passed the ball.",
    "Buskers play beside the bakery because the smell of bread has already made everyone generous.",
    "Spices lose their smell in the cupboard long before they lose their place there.",
    "Margins full of pencil notes turn a library book into a quiet conversation among strangers.",
    "A hospital at four in the morning is a small lit town: a vending machine hums, a porter "
    "whistles, a nurse laughs softly, and a new person is born into all of it.",
    "A tidy shed is a letter to the evening, months from now, when you need the hammer in a hurry, "
    "in the rain and in the dark.",
    "Does the conductor ever hear the concert the way the back row does?",
    "Half a language is in the hands, which is why phone calls abroad are so hard.",
    "What a racket one cricket can make in a silent bedroom!",
    "Everyone on the quay can read the catch from how low the boat sits coming in, but the gulls "
    "read it first.",
    "A lighthouse is built for the worst night of all.",
    "A sneeze in a silent concert hall is heard in every seat and claimed by no one.",
    "Teenagers slam doors so that the house knows they are still in it and still cross.",
    "Window cleaners on the fortieth floor watch a hundred meetings with the sound turned off.",
    "Cycle-race crowds wait all afternoon by the road for a rainbow that passes in eight seconds.",
    "What makes a marble won in the playground shine brighter than any bought in a shop?",
    "Anger drives off at top speed and then cannot remember where it parked the car.",
    "Every choir has one voice a little too loud, and it is never the singer's own.",
    "Down in a basement, a seismograph scribbles all night about an earthquake on the far side of "
    "the world, which it felt before the news did.",
    "Ships leave harbour slowly, as if checking they have not forgotten anything.",
    "Compost is yesterday's dinner on its way to becoming tomorrow's lettuce.",
    "Fishing teaches patience to the angler and caution to the fish.",
    "A quick sorry fits in a text message; a late one needs a letter, a visit and a cake.",
    "Nobody dances at the back of the hall until somebody at the front has looked foolish first.",
    "Marathon crowds cheer loudest for the runners at the back, who have been out there longest.",
    "Clap on the wrong beat in a big crowd. Someone joins in, and soon it is the right one.",
    "Firefighters leave their boots by the bed, unlaced, ready for somebody else's worst night.",
    "Rice at a grandparent's house is measured with a fingertip, never a cup.",
    "A crane operator lunches above the rooftops with the best view in town and nobody to tell.",
    "The periodic table is a short list of ingredients for everything you have ever touched.",
    "Bamboo can grow a hand's length in a day, and yet it has never once been caught in the act.",
    "A dog forgives you for being late before you have even taken off your coat to apologise.",
    "Boxers win with their feet; the gloves only finish the sentence.",
    "A price tag left on a present tells the truth in a room full of kind lies.",
    "Metro maps straighten every river and shrink every walk, and millions trust them daily.",
    "Spelling tests are the one place where a word's silent letters finally get a hearing.",
    "When the mango tree in the yard fruits, half the street finds a reason to stop by the gate.",
    "Jazz is a conversation in which interrupting is the polite thing to do.",
    "Ants build whole cities without a single plan, and never argue about the parking.",
    "A potter's first bowl always leans a little to one side, and somebody in the family still "
    "eats soup from it every winter.",
    "Sawdust in a friend's hair at dinner means the shelves are finally up.",
    "Overnight buses carry fifty people asleep in rows, all trusting one driver they have never "
    "met.",
    "Watch repairers lean over an open case like someone listening to a very small heart.",
    "The bottom line of an eye chart is read aloud by everyone as a polite guess.",
    "Knitters count stitches through films and gossip, and drop one only when asked how they do "
    "it.",
    "Salt is cheap until you run out of it in the middle of the cooking.",
    "Before the music starts, the record crackles: the needle clearing its throat.",
    "The archer lets the breath out first and the arrow second.",
    "The best travel companions share the map, the bread and the blame, and they still laugh about "
    "the wrong turns years afterwards.",
    "Two commuters have nodded to each other on the same platform for six years without a word. If "
    "one stopped coming, the other would worry, with nobody to ask.",
    "An island teaches you the sound of the ferry long before it teaches you anyone's name.",
    "Most cooks admit to the pinch of salt in the caramel only after dessert.",
    "Stop halfway across a city bridge. The river and the traffic hurry opposite ways, and neither "
    "waits.",
    "The heron stands still in the shallows for an hour and calls it fishing.",
    "A good librarian can find the book you need from a vague memory of its cover and a guess "
    "about the author's hat, then hand you a better one you did not know you wanted.",
    "A stew forgives a late guest, but a custard forgives no one.",
    "Writers read their own sentences aloud to catch the ones that are lying.",
    "Good neighbours mind your cat while you are away and their own business when you are home.",
    "Couples fifty years married can argue about the route for an hour without unfolding the map, "
    "and both of them are usually right.",
    "A neon sign buzzing above a closed shop goes on making its pitch to an empty street.",
    "Losing at cards to a grandchild, convincingly, is the hardest game of all.",
    "Rowers sit facing the shore they are leaving and trust the voice at the stern to tell them "
    "where they are going and how fast.",
    "Hide and seek ends when the seeker goes in for supper, and the best hider is still behind the "
    "curtain at dark, very proud and a little hungry.",
    "Blow on a dandelion and you have sown next year's argument with the neighbours.",
    "Night does not fall everywhere at once; it sweeps westward over oceans and cities like a very "
    "old, very patient broom.",
    "Tardigrades survive boiling, freezing and outer space, and look like tiny bears in no hurry.",
    "Ropemakers walk backwards all day, paying out the yarn, and cover miles without leaving the "
    "shed.",
    "An auctioneer talks fast enough to turn a dull chair into a rare bird.",
    "Blank paper is frightening only until the first crooked line is written across it.",
    "Spin the globe and stop it with a finger, and the evening's reading is settled.",
    "The size of the earth was first worked out with a stick, its shadow, the distance between two "
    "towns and careful arithmetic, and it was closer than most guesses today.",
    "A harbour light is lit for strangers, and that is why sailors love it.",
    "When the goal net ripples, half the city is in a good mood until Thursday.",
    "Sleep is the one appointment that no amount of cleverness or coffee can move.",
    "A weather forecast is a promise written in pencil.",
    "Beehives run on a dance that nobody taught and everybody follows to the letter.",
    "Sailors at anchor hear the chain rattle in the night and are awake before they know why.",
    "A button sewn back on is the cheapest small victory in the house, and one of the most "
    "satisfying.",
    "When a friend moves away, the map of your city quietly loses a street.",
    "Ideas written at midnight need reading again at breakfast before anyone else sees them.",
    "A workbench tells the truth about its owner: the scratches show what was attempted and the "
    "clean corners show what was never tried.",
    "After a week in bed with flu, the first proper breakfast deserves a fanfare.",
    "Frisbees thrown into the wind come back like a thought you had not finished.",
    "Old street names keep the trades that left long ago, so accountants now live on Tanners Lane.",
    "Headphones on a crowded train build a small private room with no walls and no door.",
    "Parents measure their children against the kitchen door frame, and the children measure their "
    "parents against the world.",
    "Gossip is a letter with no stamp that is somehow delivered everywhere.",
    "Coffee beans have crossed more borders than most of the people who drink them.",
    "Cross-country runners come back muddy to the knees and grinning, as if they had won the mud.",
    "Friendships rarely end in a quarrel; most of them fade in a pile of unanswered messages.",
    "Tram bells say excuse me in all the languages the city speaks.",
    "The baker rises before the sun so that the town may rise to bread.",
    "Slap the flatbread on the hot oven wall and watch it puff and blister into a small proud "
    "moon!",
    "From the top row of the stadium the players are ants, and the roar lands a beat after the "
    "goal.",
    "The early ferry's deckhand gets the sunrise, the gulls and the mop, in that order.",
    "Clothes laid out for the morning are a flat person waiting to become you.",
    "Drink a glass of water and eat something before deciding that the whole day has gone wrong.",
    "Dovetail joints hold two boards for a century by letting each fill the other's gaps.",
    "Seaweed that looks like litter on the sand becomes a forest the moment the tide comes in.",
    "The goalkeeper is remembered for one mistake and forgotten for a hundred saves.",
    "In a park match the goalposts are two bags, and the arguments are all about the crossbar.",
    "Fishing teaches patience to the angler and caution to the fish.",
    "A pair of boots resoled three times has walked further than any pair in the shop window.",
    "Sand dunes walk across the desert a little further on each windy night.",
    "Warming up, the brass section sounds like a herd of elephants discussing the rent.",
    "Before the rains, farmers watch the sky like an audience waiting for a late actor.",
    "On its slowest setting, a ceiling fan turns a hot afternoon into a long thought.",
    "In the sandpit, every building plan is approved on the spot.",
    "A sheepdog knows every sheep in the flock, and not one of them knows the dog's name.",
    "A comet can be gone for seventy years and still arrive on the day it promised.",
    "The harbour cats know when the fishing boats are due long before anyone hears an engine.",
    "Such a commotion the gulls make over one dropped sandwich crust!",
    "Chemistry sets promise to amaze, and deliver mostly a smell in the curtains.",
    "A long rope and two friends to turn it make any stretch of street into a stage.",
    "Embroidery has a tidy front for visitors and a tangled back that shows how it was done.",
    "Hang a prism in the window and every afternoon a rainbow walks slowly across the floor.",
    "The puddle a child jumps in is deeper than any ocean the grown-ups cross.",
    "Tomatoes ripen on the windowsill faster than anyone can find a recipe for them.",
    "Karaoke proves that courage and pitch are kept in separate pockets.",
    "Why does everyone whisper in a museum, when the paintings have heard far worse?",
    "Every museum guard has a favourite painting and will tell you which, if you ask.",
    "Stitches come out more easily than anyone waiting in the clinic believes.",
    "Street games stop for each passing car and restart exactly where the argument left off.",
    "Snow hushes a town the way a hand on the skin hushes a drum.",
    "Wood shavings smell different for every tree they used to be.",
    "Cranes on the skyline are questions the city has not finished answering.",
    "Sourdough starters pass from kitchen to kitchen for decades, so tonight's loaf may rise on "
    "yeast that fed a family a century ago.",
    "The best tool in any workshop is the one somebody bothered to put back.",
    "Driftwood comes ashore smooth and pale, and there is no telling which forest it left or how "
    "many years it spent choosing this beach.",
    "Drop a feather and a hammer on the moon. They land together, and nobody there is surprised.",
    "Spider silk, weight for weight, is stronger than steel, and it is spun overnight in the shed.",
    "First wages are spent three times in the head before they reach a single shop.",
    "Seen from a night flight, a city is spilled gold thread, and somewhere in it a taxi driver is "
    "arguing about the best way to the airport.",
    "Whoever brings the post can tell which houses wait at the window and which never open the "
    "door.",
    "Card tricks fool the adults at the table, never the child watching from underneath.",
    "Does a city ever sound more itself than at dawn, with only the birds and the sweepers up?",
    "Before the first note in a small hall, a chair creaks, a phone is silenced, someone unwraps a "
    "mint with terrible care, and then the cello begins and all is forgiven.",
    "Who taught the starling on the roof to imitate the neighbour's car alarm?",
    "Pride keeps its coat buttoned all evening in a warm room.",
    "Ice floats, and that small fact is why the fish in the lake live to see spring.",
    "The family group chat is where good news is announced, old arguments are restarted at "
    "midnight and bad photographs live forever.",
    "The afternoon is long for children and short for anyone with a list.",
    "Two people who can share a rowing boat all afternoon without talking have caught something.",
    "How long a minute lasts when you are holding a plank!",
    "Customers at an all-night pharmacy at two in the morning have stories and no wish to tell "
    "them.",
    "Loyalty cards in a wallet make a map of every coffee you meant not to buy.",
    "Hospital corridors the world over share one calm green, as if one decorator did them all.",
    "The moon has been visited, measured and photographed from all sides, and it still stops "
    "people in their tracks on the way to the car.",
    "Welders look at the world through a dark window and see one small, fierce, bright star.",
    "A portrait's eyes follow you round the room, and by the third visit it feels rude not to nod.",
    "Weather apps agree with one another about one thing only: yesterday.",
    "A thank-you wave from a driver you let in can last the rest of the drive.",
    "Heat makes the city's tar soft, its dogs flat and its fountains public baths.",
    "Foghorns sound mournful on purpose, so that no sailor mistakes them for music.",
    "Deep-sea divers on a long job live for weeks in a chamber the size of a kitchen, breathing a "
    "gas that makes their voices squeak, and commute each morning to the seabed.",
    "Carry a sketchbook everywhere and it fills with station benches, hands and the backs of "
    "heads.",
    "Leafcutter ants carry their leaves like small green sails going to market.",
    "An old friend rings after three years and opens with the punchline of a joke you both "
    "remember.",
    "Picnics are packed for sunshine and talked about for years because of the ants.",
    "Every household has words that mean something only at its own dinner table.",
    "Piano tuners play one note all afternoon and leave without playing a single tune.",
    "A story told by the fire grows a little every winter, and the listeners help.",
    "Watch the goalkeeper during a penalty at the far end. Alone in a huge empty half, they "
    "bounce, clap their gloves and shout advice that cannot possibly be heard.",
    "With the easiest visitors, the kettle goes on before the coat comes off.",
    "Airports are full of long goodbyes pretending to be about luggage and passports.",
    "A sailor reads the clouds the way a grandparent reads a face coming in through the door.",
    "Orchestras tune to a single oboe, which takes a certain confidence on the oboe's part.",
    "Willow baskets are woven wet and sold dry, and creak for the rest of their lives.",
    "Some cactus flowers open for a single night, and the moths have been waiting all year.",
    "Has any lifejacket ever looked anything but ridiculous in calm weather?",
    "Lend the book anyway. If it never comes back, somewhere a stranger is turning its pages at "
    "midnight.",
    "A city's rooftops are a second, unplanned town: water tanks, washing lines, a chair for "
    "sunsets and a tomato plant in a paint tin.",
    "Put one good bench in a busy square and it will do more for the city than most statues.",
    "Is there a sound in any sport sweeter than a ball hitting the exact middle of the bat?",
    "Tug of war is mostly leaning back and refusing, which wins more often than pulling.",
    "Drip ink into a glass of water and it blooms into smoke, galaxies and the veins of a leaf, "
    "all before anyone reaches for a cloth.",
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
    "Fishmongers call out the prices in a voice that could bring a boat home through fog.",
    "Pendulums keep one beat whether pushed hard or softly, as a bored student once noticed in "
    "church.",
    "Good photographs are mostly patience and partly knowing when to hold your breath.",
    "The best dancers make the floor look as though it is doing half the work.",
    "Gamblers keep careful notes on dice that keep none at all.",
    "Your heart will beat about a hundred thousand times today without being asked, and it has "
    "never once asked for a day off.",
    "After a long drought, even thunder in the night sounds like very good news.",
    "Sign the drawing. In fifty years somebody will want to know who made the sky so purple.",
    "Rooms above a bakery are warm all winter and starving by six each morning.",
    "Cooking for one is a science; cooking for six is a party with burnt edges.",
    "Coconut palms lean out over the water, and their fruit sometimes sails to the next island.",
    "A coin found in the street feels like luck, though it was someone else's bad afternoon.",
    "The tomato, the potato and the chilli are one family; do they ever meet for dinner?",
    "Interpreters at a summit speak both sides of an argument, a sentence behind, and are never "
    "allowed to win it.",
    "Passport stamps promise a grand adventure, though half of them mark nights spent asleep on "
    "airport chairs.",
    "Whoever mends the nets on the quay never curses the holes; they are what the sea charges for "
    "fish.",
    "Oil the hinge now. At two in the morning, someone will be grateful for the silence.",
    "Ten engines idle on the mountain road while one goat makes up its mind!",
    "Sand along the grain, slowly and without pressing, and the wood will show you its true face.",
    "The kitchen is the one room where a mistake teaches its lesson by smell.",
    "The deepest part of the ocean is deeper than the tallest mountain is high, and down there a "
    "small pale shrimp is going about its day.",
    "Crows in the park remember faces for years, so it pays to be polite to them.",
    "Grandparents' recipe cards are stained exactly where the difficult part is.",
    "Astronauts grow taller in orbit and shrink on landing, as if the earth had missed them.",
    "Leftovers are the compliment a good meal pays to tomorrow's lunch.",
    "A kettle sings just before it is ready, which is more than most of us do.",
    "Honey found in ancient tombs is still fit to eat, which makes the jar of jam at the back of "
    "the cupboard look rather nervous.",
    "A house becomes a home somewhere between the first argument about the thermostat and the "
    "first dinner eaten on the floor.",
    "Climbers check each other's knots before anyone is allowed to check the view.",
    "Emergency dispatchers speak so calmly that the fire sounds like a weather report.",
    "Evening fog turns the familiar lane into a rumour of itself.",
    "Chess in the park is played loud and fast, watched by crowds that would have moved the "
    "knight.",
    "Drilling in the street below is somebody's progress and everybody's headache.",
    "Fresh mint in a glass of hot water can turn a desk into a courtyard.",
    "Untangling a necklace takes exactly as long as you are willing to stay calm about it.",
    "Children on a trampoline believe, for one bright second at the top of each bounce, that they "
    "have finally escaped.",
    "Nail a basketball hoop to the garage and the driveway becomes a stadium after supper.",
    "Rehearsals are where a play learns to fail in private, line by line, before anyone buys a "
    "ticket.",
    "Opening a hive on a calm morning, a beekeeper hears forty thousand small engines idling, and "
    "stands very still, because the bees are deciding something.",
    "A game of tag has no winner, only a playground full of children out of breath.",
    "Waiting for test results turns any call from an unknown number into a small drum roll.",
    "The night train carries its sleepers past towns that will never know they were there.",
    "Board games bring out the lawyer in the gentlest member of the family.",
    "New alphabets look like decoration for a week and then, quite suddenly, start to talk.",
    "Notebooks bought for great thoughts fill up with phone numbers and drawings of cats.",
    "The cook who apologises for the meal invites the guests to find fault.",
    "An anvil rings a different note for each blow, and a good smith listens as much as looks.",
    "A long swim empties the head the way the tide empties a beach, leaving only the bright "
    "things.",
    "The calendar on the fridge tells a family's whole year in crossings-out.",
    "Fish bought off the boat at dawn smell of the weather they were caught in.",
    "A house full of children never has a pen that works or a spoon in the right drawer.",
    "Delivery riders see a city as stairs, locked gates and doorbells that do not ring.",
    "Once the baby is asleep, the grown-ups tiptoe round the furniture like burglars.",
    "Split a stone on the beach and you may find a tiny shell that has been waiting in there, "
    "quite patiently, since before the dinosaurs.",
    "Snorkelling shows that the calm blue surface has been hiding a very busy city.",
    "A dripping tap counts the hours out loud until someone finally fixes it.",
    "Every mountain path was once a goat's good idea that the rest of us decided to follow.",
    "One good cry in the parked car does more for the week than anyone admits.",
    "A photograph of the sunset is never as good as the sunset, and every evening, all along the "
    "beach, we take it anyway.",
    "Plant a bean in a jar of damp paper. Within a week a root goes down and a shoot goes up, and "
    "everyone in the house stops to check on it, however old they are.",
    "Cycling clubs ride in single file, the leader taking the wind for everyone behind until the "
    "next rider takes a turn.",
    "Make the bed with tight corners and the room becomes a hotel you own.",
    "Summer evenings stretch out like cats in the last of the sun.",
    "Old street lamps hum at dusk like a choir with one note and no intention of learning another.",
    "Moving house turns up one glove, a key to nothing and a letter you were sure you had "
    "answered.",
    "A tailor's chalk lines vanish in the first wash, and the good fit stays for years.",
    "Chemists label their bottles: two clear liquids can look alike and disagree violently.",
    "Surfers spend most of the day sitting on their boards waiting, and nobody calls it wasted.",
    "At low tide a rock pool holds crabs, anemones, a shrimp pretending to be sand and one serious "
    "person kneeling with a bucket.",
    "Pelicans fly so low over the waves that the sea must feel it is being inspected.",
    "How the old radiators knock and sigh all evening, like elderly guests enjoying the party!",
    "Glassblowers have to keep turning the pipe, or the bright idea sags onto the floor.",
    "Teach a parrot a single rude word and it will wait years for the perfect guest.",
    "Who packs for the desert night, when the desert day is doing all the talking?",
    "Weightlifters chalk their hands, stare at the bar and seem to ask its permission.",
    "Look up in an old town. Above the shop signs, carved stone faces have waited years for a "
    "glance.",
    "The last train home on a Friday is full of people who have stopped pretending.",
    "An eel hatched mid-ocean may end up in a village pond, having crossed a field by night.",
    "On an old typewriter, every word sounds like a decision.",
    "Ten thousand breakfasts have seasoned the street vendor's griddle, and you can taste them "
    "all.",
    "Rice terraces climb the hillside in steps cut for water to walk down.",
    "By late afternoon, beach umbrellas lean together like guests at the end of a party.",
    "Art students draw one plaster foot for a month and never see their own feet the same way.",
    "One shower in the desert and the ground is purple with flowers for a week.",
    "The moon borrows its light and still lends it to anyone walking home late.",
    "At dawn the bakers on their way to work pass the dancers on their way home, and both look "
    "pleased.",
    "Good joinery needs very few nails, and good manners in a happy house need very few rules.",
    "A cat will share your chair only when it has decided you are worthy of it.",
    "On some beaches at night the waves glow blue, and footsteps in the wet sand light up.",
    "A blank afternoon in a diary is a small country nobody else has found yet.",
    "Bicycle mechanics hear a bike pass the open door and call out which part needs oil before the "
    "rider has even braked.",
    "Trees pass sugar to one another through fungus in the soil, so a leafless stump can live for "
    "years on what the forest sends.",
    "Plasterers smooth a wall in long sweeps, like someone ironing a sheet the size of a room.",
    "The onion makes the cook weep before it makes the family glad at supper.",
    "Children playing shop with bottle caps haggle harder than any trader, and one imaginary "
    "banana can start a feud lasting all afternoon.",
    "Eating alone in a restaurant with no phone and no book takes a particular kind of nerve, and "
    "the food tastes better for it.",
    "Stage crews dress in black so the audience can pretend not to see them moving the castle.",
    "Shells on the beach were once somebody's whole house, with no room for guests.",
}};

}  // namespace sagelight
