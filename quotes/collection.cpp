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
    "Long division by hand builds a staircase down the page, with the answer on the last step.",
    "The barber's mirror hears about knees and holidays from people who never talk to strangers, "
    "while the scissors keep time.",
    "A cake that sinks in the middle still tastes of butter and sugar, and is eaten first.",
    "Some starlight set out before anyone now alive was born, and arrives just as you look up.",
    "Wet cement is always signed by morning.",
    "An elephant walks almost silently on cushioned feet, wasting a perfectly good entrance.",
    "The tide always wins. The children know it perfectly well, and they still give the castle "
    "windows, a moat and a flag on a straw.",
    "A battered violin case on the morning bus carries one small instrument and thousands of hours "
    "of somebody's evenings.",
    "Handwriting leans forward when we are late; the words are running too.",
    "Fish in caves that daylight never reaches have stopped bothering with eyes and find their way "
    "perfectly well.",
    "Jokes are the last part of a new language to arrive, long after the grammar and well after "
    "the rude words.",
    "A cast on a broken arm gathers signatures for six weeks, and the arm comes out pale, thin and "
    "oddly famous.",
    "Under a microscope, nothing is ever quite as still as it looked on the table.",
    "Habits are the paths we wear across the lawn of our days without ever deciding to.",
    "At rush hour a thousand private hurries squeeze onto one narrow road, and each of them is "
    "sure it is the important one.",
    "Counting sheep works only for those who lose count; the careful ones reach four hundred "
    "awake.",
    "Glue holds best once you stop poking the join to see whether it has held.",
    "The ball has no idea of the score, so it bounces just as fairly for the losing side.",
    "The town clock ran five minutes slow for so long that everyone learned to be five minutes "
    "early, and it quietly became the most punctual place in the valley.",
    "Autocorrect is perfectly sure of every word except the one you actually meant.",
    "Harmonicas fit in a shirt pocket and somehow sound like a long way from home.",
    "Giving blood earns juice, a bandage and the odd pride of walking home a little emptier.",
    "Drummers are trusted by the whole band to be dull in exactly the right places.",
    "Sunflowers in a field face east all morning, like a crowd that has heard a rumour.",
    "The best prices at the fruit market arrive in the last half hour, along with the wasps.",
    "Relays are won or lost at the handover, where a runner at full speed reaches back, "
    "open-handed, for something unseen.",
    "A jar of foreign coins sits on many a shelf, worth a fortune in a country nobody is going "
    "back to.",
    "Kites pull hardest on the string just when they seem calmest in the sky.",
    "Under a magnifying glass a moth's wing is tiled like a roof, scale over scale.",
    "Sign languages have accents too: a signer from the north and one from the south can tell "
    "within a sentence where the other grew up.",
    "A snail's silver trail maps its night out: once round the flowerpot and home.",
    "Camels look down on everyone at the market, including the people who led them there.",
    "Far out at sea on a clear night, the stars come all the way down to the water.",
    "An old map is still a fine thing to own. Half its roads have moved and its rivers have "
    "changed their minds, but it shows, in faded ink, where people once hoped to go.",
    "Clouds are only the sky thinking things over.",
    "Dumplings taste better when everyone at the table has folded a few of them badly.",
    "A fever breaks the way a storm does, all at once, leaving damp sheets and a rinsed new "
    "morning.",
    "In a gale the ship's cook serves soup with one hand and holds the stove with the other, and "
    "the crew complain about the salt.",
    "No one in the building owns up to the trumpet, but each evening someone upstairs works "
    "through the same slow tune, a little better each week, and by now the whole courtyard is on "
    "their side. Occasionally a window across the yard applauds, and the trumpet tries the top "
    "note again.",
    "Splitting the bill by what each person ate takes longer than the meal did.",
    "Lullabies in many languages fall at the end of each line, like arms lowering a sleeping baby "
    "into a cradle, and babies everywhere seem to understand the tune long before they know the "
    "words. Drowsiness wins.",
    "An accordion breathes in and out like a sleeper, and the tune comes out both ways.",
    "A message in a bottle is patience with a cork in it.",
    "Carried over a high pass, a sealed bag of nuts puffs up as if proud of the climb.",
    "Horses know in two steps whether the rider is nervous, and have opinions about it.",
    "Strangers laugh together in a dark cinema, then leave without a glance at each other.",
    "Washing strung between two buildings flies like a flag for each household: shirts, sheets, a "
    "child's socks and the one good dress.",
    "Tennis is decided between points, in what a player mutters to themselves.",
    "How heavy a sleeping child is, compared with the same child awake!",
    "A chess game is usually lost a few moves before either player notices.",
    "Vaccines work best when nothing happens, which makes them very hard to thank.",
    "From the window seat of a long train the country plays like a film with no plot and no "
    "dialogue, and it is hard to look away.",
    "Mushrooms come up overnight after rain, though the ground has been working on them for weeks.",
    "The oldest building on the street has outlived every plan to knock it down, and every "
    "planner.",
    "The lost property office at a big station keeps umbrellas by the hundred, false teeth and, "
    "about once a year, a cello, which must take a remarkable daydream to leave behind.",
    "Riddles last a second for whoever knows the answer and all evening for everyone else.",
    "A puppy learns its name in a week. That the name also means come here takes much longer.",
    "Old photographs make everyone look a little surprised to have been young.",
    "A second-hand book sometimes arrives with a stranger's bus ticket still keeping their place.",
    "At the arrivals gate, people holding handwritten names search each face coming through, and "
    "for a moment every tired stranger is looked at like someone long awaited.",
    "On new ice, skaters stay near the edge, as though the middle had to be earned.",
    "Once a locksmith has opened your front door in a minute, you never quite trust that door "
    "again.",
    "Hiccups vanish the moment you ask someone to sit and listen for them.",
    "Stacked higher than most of the town, a container ship crosses an ocean with a crew that fits "
    "around one table.",
    "Children count on their fingers until told not to, and then they count under the table.",
    "With a sprained ankle you learn each step and slope in the neighbourhood by heart.",
    "Jugglers practise throwing, not catching: a good throw lands in the hand as if invited.",
    "Birds on a wire space themselves out as carefully as strangers on a bench.",
    "The ugliest tomatoes on the stall are the ones the good cooks reach for first.",
    "Pawnshop windows are full of guitars and watches waiting for somebody's better month.",
    "Every anchor is a promise made to the mud.",
    "A sneeze gives fair warning, builds slowly, and then refuses to take any questions.",
    "Retold at breakfast, a dream comes apart in the hands like wet paper.",
    "A good repair shop keeps more old radios singing than any warranty ever did.",
    "Near the equator, on certain days, noon shadows hide right under your feet.",
    "A child learning to read sounds out the cereal box as though it were a poem.",
    "Learning chopsticks is mostly watching noodles slip back into the bowl.",
    "A bricklayer's string line is the straightest thing on site, and every brick answers to it.",
    "Lightning arrives all at once, and the thunder follows on foot, grumbling.",
    "Chilli seeds hide in the one forkful you were not ready for.",
    "Salt water finds every scratch on your hands and every weak stitch in the sail.",
    "Held underwater, a punctured tyre owns up at once in a thin line of bubbles.",
    "Hot-air balloons drift in perfect silence between roars of the burner, like a held breath.",
    "Some phone numbers stay in the fingers for decades after the phone, the house and the person "
    "who answered it are gone.",
    "A sigh is a thought that has given up looking for words.",
    "A borrowed ladder that comes back with a bag of lemons has started something.",
    "After a night shift, a nurse greets the sunrise from the wrong end of the day.",
    "The first bike ride without a steadying hand lasts until the rider looks back to check.",
    "Some proofs that took ten years to find can be checked in an afternoon, which hardly seems "
    "fair.",
    "One paper lantern on a dark balcony makes the whole street seem to be expecting someone.",
    "Learning to whistle is weeks of blowing air through pursed lips and then, one ordinary "
    "afternoon, a clear note arrives and stays for life.",
    "A paper crane creased crooked at the start comes out crooked in a hundred places.",
    "Early risers catch the birds at rehearsal, while the rest of the world sleeps till the "
    "concert.",
    "Your physiotherapist believes in your knee a full week before you do.",
    "One thermometer in the shade and one in the sun will contradict each other all day long.",
    "Snorers are always the first to fall asleep and the last to believe it.",
    "Button tins hold the last survivors of coats long since given away.",
    "Who decided that the last slice of cake should be cut in half, and then in half again?",
    "The last coat of varnish is the one that catches each speck of dust.",
    "A compass needle trembles before it settles, and is no less sure of north for that.",
    "Everyone on the street knows where the spare key is hidden, except the one standing locked "
    "out in the rain, patting their pockets.",
    "Rivers bend because bends make more bends, and an old river ends up looking undecided.",
    "An upholsterer opens an old armchair and finds hairpins, a pencil stub and sixty years of "
    "crumbs.",
    "Cross enough time zones and breakfast arrives twice in one day.",
    "Each family keeps one recipe that nobody has ever managed to write down properly.",
    "Sticky notes around a screen fall off in order of importance, most important first.",
    "The hush before the applause is the one part of a concert the whole audience plays.",
    "After a heavy rain the frogs in the ditch take all the credit, loudly and all night.",
    "A careful experiment asks its question so precisely that the world cannot wriggle out of "
    "answering.",
    "The fridge hums unheard until it stops, and then the kitchen sounds loud.",
    "Owls, bats and astronomers do their best work while the rest of us dream.",
    "The skateboard clip everyone watches is the hundred and first attempt; the first hundred are "
    "known only to the skater and the concrete.",
    "Dominoes in the square are slapped down so hard that the table is part of the game.",
    "An octopus tastes whatever it touches, which must make shaking hands complicated.",
    "A bus driver on a night route knows the regulars by their stops, and waits a few seconds "
    "longer for the one who is always running.",
    "A humming tuning fork set on a tabletop makes the table sing along.",
    "Each word in the dictionary was once somebody's odd new idea, and somebody else frowned at it "
    "over dinner.",
    "Some friends listen the way a cat sits in the sun: wholly, and with no plans for later.",
    "Two raindrops racing down a car window can silence the back seat for miles.",
    "Drawn carefully, the shadow under an apple makes the apple appear by itself.",
    "Suspension bridges are built to sway, and most drivers would rather not know.",
    "Homesick travellers read labels in foreign supermarkets just to find one familiar word.",
    "Crabs walk sideways and still reach the water before the children can catch them.",
    "Graffiti on a railway bridge shouts one name, very slowly, at each passing train for years.",
    "Humpback whales change their song a little each year, and within a season the ocean is "
    "humming the new one.",
    "Why does a new house key weigh so much more than an old one, for about a week?",
    "Street food tastes best eaten standing up, with the cook watching to see your face.",
    "Wind makes no sound of its own; it borrows the trees, the wires and the shutters.",
    "Visitors' books in mountain huts are mostly weather, written by hand with cold fingers.",
    "Laughter from the next room is always funnier than the joke could have been.",
    "Milking starts at dawn on a dairy farm, holidays included, and the cows see no reason to "
    "discuss the matter.",
    "Four clicks of the drumsticks, and the quarrel from the van is put off until the song ends.",
    "Every machine has a favourite noise it makes just before it breaks.",
    "Down an old well, a dropped pebble takes its time, and the wait for the splash says how deep.",
    "In the dry season the river is a road, and in the wet season the road is a river.",
    "A bruise fades through the colours of a sunset before it lets you forget the table leg.",
    "Some migrating birds fly from one end of the earth to the other and return to the same tree, "
    "as if they had only stepped out.",
    "The high dive is mostly ladder: a slow climb, a long look and two seconds of air.",
    "When a big storm is forecast, the shops run out of candles and batteries while the sky stays "
    "innocently blue all afternoon.",
    "Hailstones are raindrops that went up too high.",
    "Night markets bloom at dusk in a square that spends all day pretending to be ordinary.",
    "Iron rusts, copper greens and silver darkens; only gold seems to have nothing on its mind.",
    "The ferry leaves without the latecomers, but it always comes back across the water for them.",
    "The cat sleeps soundly through the storm that keeps the household awake.",
    "Retirement gives back all the hours, but takes away the excuse for leaving the party early.",
    "Sign painters hold their breath at the start of each stroke and breathe out at the end.",
    "Twins are asked which one is older so often that the answer becomes a small ceremony.",
    "At night a harbour pilot climbs a rope ladder up the side of a moving ship, steers it past "
    "the rocks and is climbing back down by breakfast: an ordinary commute.",
    "Driving instructors keep one foot above a second brake and a calm voice above both.",
    "The gap from a lost tooth is visited by the tongue all day, like a door left open.",
    "The wear on an old heel tells a cobbler how its owner stands while waiting.",
    "Spices lose their smell in the cupboard long before they lose their place there.",
    "Pencil notes in a library book's margins let strangers bicker across the years.",
    "At four in the morning a hospital hums on quietly: a vending machine glows, a porter "
    "whistles, a nurse laughs softly, and a new person is born into all of it.",
    "After climbing all night to watch sunrise from the summit, most people spend half of it "
    "photographing each other.",
    "What does a tortoise make of us, rushing past in a blur all day?",
    "Half a language is in the hands, which is why phone calls in a foreign tongue are hard.",
    "Campfires draw the circle of chairs tighter as the night gets colder.",
    "Everyone on the quay can read the catch from how low the boat sits coming in, but the gulls "
    "read it first.",
    "A puddle holds the whole sky, upside down.",
    "Hammocks accept everyone, but getting out of one gracefully is a separate skill.",
    "Braiding a friend's hair keeps two people sitting still and talking for an hour.",
    "The window cleaner on the fortieth floor watches a hundred meetings with the sound off.",
    "Crosswords left half done in a waiting room get finished by strangers in different pens.",
    "What makes a marble won in the playground shine brighter than any bought in a shop?",
    "Anger drives off at top speed and then cannot remember where it parked the car.",
    "Every choir has one voice a little too loud, and it is never the singer's own.",
    "Down in a basement, a seismograph scribbles all night about an earthquake on the far side of "
    "the world, which it felt before the news did.",
    "Ships leave harbour slowly, as if checking they have not forgotten anything.",
    "Earthworms turn over a whole field a mouthful at a time and come up mainly when it rains.",
    "Fishing teaches patience to the angler and caution to the fish.",
    "Moths circle a lamp all night, as though they had almost worked it out.",
    "A signpost points four ways with complete confidence and has not been anywhere itself.",
    "The loudest cheers at a marathon go to the runners at the back, out there longest.",
    "Rain was forecast and the town came out with umbrellas. Outnumbered, the clouds held back.",
    "Beside a firefighter's bed the boots wait unlaced, ready for somebody else's worst night.",
    "Sparrows bathe in dust as happily as in water, and come out smug either way.",
    "Well-sewn books lie flat when opened and stay at whatever page they are left on.",
    "The periodic table is a short list of ingredients for everything you have ever touched.",
    "Bamboo can grow a hand's length in a day, yet whenever you check it is standing still.",
    "Upside down on the ceiling above dinner, a gecko strolls past, unbothered by the faces below.",
    "Boxers win with their feet; the gloves only finish the sentence.",
    "A price tag left on a present tells the truth in a room full of kind lies.",
    "Metro maps straighten every river and shrink every walk, and millions trust them daily.",
    "Some of the oldest borders are rivers, and the fish cross them all day without papers.",
    "When the mango tree in the yard fruits, half the street finds a reason to stop by the gate.",
    "Two magnets held the wrong way round push apart with a stubbornness a child can feel.",
    "Most of a rainforest lives up in the canopy, far above the visitors watching their feet.",
    "A potter's first bowl always leans a little to one side, and somebody in the family still "
    "eats soup from it every winter.",
    "Sawdust in a friend's hair at dinner means the shelves are finally up.",
    "With its chairs upturned on the desks, a school at night seems to be waiting for the bell.",
    "Watch repairers lean over an open case like someone listening to a very small heart.",
    "The bottom line of an eye chart is read aloud by everyone as a polite guess.",
    "Knitting needles keep count through films and gossip, and lose it only when someone asks how.",
    "At the top of the big wheel even the loudest riders fall silent for the view.",
    "Before the music starts, the record crackles: the needle clearing its throat.",
    "The archer lets the breath out first and the arrow second.",
    "Reading aloud to someone falling asleep, you reach a point where the story goes on only for "
    "you, and you finish the chapter anyway.",
    "A ship in a bottle is built lying down, masts folded flat. Once it is inside, a thread pulls "
    "them upright, and the builder lets out a breath held for a week.",
    "An island teaches you the sound of the ferry long before it teaches you anyone's name.",
    "Wet footprints on a hot stone path vanish while you are still looking back at them.",
    "From the middle of a bridge, the river and the traffic hurry opposite ways and ignore each "
    "other.",
    "The heron stands still in the shallows for an hour and calls it fishing.",
    "A good librarian can find the book you need from a vague memory of its cover and a guess "
    "about the author's hat, then hand you a better one you did not know you wanted.",
    "A stew forgives a late guest, but a custard forgives no one.",
    "Hand-me-down clothes arrive with someone else's elbows already worn into them.",
    "Released a long day's drive from home, a racing pigeon beats the car back to the loft.",
    "Couples fifty years married can disagree about the route for an hour without unfolding the "
    "map, and both of them are usually right.",
    "A neon sign buzzing above a closed shop goes on making its pitch to an empty street.",
    "An old deck missing one card still gets played, a scrap of paper standing in for the queen.",
    "Handwoven cloth holds the weaver's moods in its tension, tight on anxious days and loose on "
    "happy ones, readable only by the weaver.",
    "Hide and seek ends when the seeker goes in to eat, and the best hider is still behind the "
    "curtain at dark, very proud and a little hungry.",
    "Even non-swimmers float in a salt lake, bobbing about with the puzzled air of corks.",
    "Night does not fall everywhere at once; it sweeps westward over oceans and cities like a very "
    "old, very patient broom.",
    "Tardigrades survive boiling, freezing and outer space, and look like tiny bears in no hurry.",
    "Walking backwards all day, paying out yarn, a ropemaker covers miles in one long room.",
    "An auctioneer's patter can make a dull chair sound like a rare bird for almost a minute.",
    "Left alone in an empty room, the radio carries on chatting to the furniture.",
    "A spun globe stopped with one finger is as good a way as any to choose the evening's reading.",
    "The size of the earth was first worked out with a stick, its shadow, the distance between two "
    "towns and patient arithmetic, long before anyone had sailed around it to check.",
    "Glaciers creep too slowly to watch and too steadily to stop.",
    "Fireworks are watched with the chin up and the mouth open, at any age.",
    "A cup of tea gone cold on the desk is the best evidence of a good afternoon's work.",
    "A crumpled page keeps trying to open itself.",
    "Beehives run on a dance that nobody taught and each bee follows exactly.",
    "At anchor the chain rattles once in the night, and the crew wakes without knowing why.",
    "One lost glove left on a fence post waits for its owner with a finger raised.",
    "When a friend moves away, the map of your city quietly loses a street.",
    "Words written in the steam on a bathroom mirror come back, faintly, with the next hot shower.",
    "The smell of the first rain on dry earth has a name, and people who have not heard the word "
    "recognise it at once.",
    "A hem let down for a growing child leaves a pale line where last year's length was.",
    "Soap shrinks each morning, and the last sliver is somehow the hardest to throw away.",
    "Old street names keep trades that left long ago, so accountants now work on the street of "
    "tanners.",
    "Headphones on a crowded train build a small private room with no walls and no door.",
    "The rings of a felled tree set its good years and its dry years side by side, a diary written "
    "without a single word.",
    "Shop windows show passers-by a glimpse of themselves they had not planned on.",
    "Coffee beans have crossed more borders than most of the people who drink them.",
    "Muddy to the knees and grinning, cross-country runners come in as if they had won the mud.",
    "Sand from a beach holiday turns up in shoes for months, like a souvenir no one asked for.",
    "Tram bells say excuse me in all the languages the city speaks.",
    "A yo-yo climbs back up its own string with an air of nothing having happened.",
    "How loud one cough sounds in a silent exam hall, and how many follow it!",
    "Inside a tent, rain is the loudest thing on earth and somehow the best for sleeping.",
    "The street sweeper sees the town at its worst after the festival and its best an hour later.",
    "Clothes laid out for the morning are a flat person waiting to become you.",
    "People who live beside a volcano learn to read its smoke the way others read the weather.",
    "Stained glass is dull grey from outside and only glows from within.",
    "Seaweed that looks like litter on the sand becomes a forest the moment the tide comes in.",
    "Your usual order is remembered at the coffee counter long after your name has gone.",
    "In a park match the goalposts are two bags, and the arguments are all about the crossbar.",
    "Fishing teaches patience to the angler and caution to the fish.",
    "A pair of boots resoled three times has walked further than any pair in the shop window.",
    "Sand dunes walk across the desert a little further each year, wherever the wind prefers.",
    "Sometimes a tightrope walker wobbles on purpose, so the crowd sees how hard the rest is.",
    "In the last dry week the farmers watch the sky like an audience waiting for a late actor.",
    "On its lowest setting, a ceiling fan slows a hot afternoon to the speed of a long thought.",
    "In the sandpit, every building plan is approved on the spot.",
    "A sheepdog knows every sheep in the flock, and not one of them knows the dog's name.",
    "A pressed flower keeps its colour and loses its smell, like a postcard of itself.",
    "Some street dogs cross with the crowd at the lights, and seem just as late for work.",
    "How much heavier the suitcase is on the way home, with the same clothes in it!",
    "Chemistry sets show bubbling flasks on the box and deliver mostly a smell in the curtains.",
    "Hopscotch squares chalked on the ground last a week, and even hurried adults hop one.",
    "One candle in a blackout shrinks the room to a circle of faces.",
    "With a prism in the window, a rainbow walks slowly across the floor each afternoon.",
    "Shown a folded ink blot, one person sees a butterfly, one a face, one a worried bat.",
    "Shoppers knock on watermelons and listen, as if someone inside might answer.",
    "Karaoke proves that courage and pitch are kept in separate pockets.",
    "When a balloon slips from a child's hand, everyone nearby watches until it is a dot.",
    "Every museum guard has a favourite painting and will tell you which, if you ask.",
    "Stitches come out more easily than anyone waiting in the clinic believes.",
    "An oasis looks far too green to be real until the first sip of water settles the matter.",
    "Snow hushes a town the way a hand on the skin hushes a drum.",
    "Wood shavings smell different for every tree they used to be.",
    "New buildings are proudest in the drawings, and old ones look best in the rain.",
    "Sourdough starters pass from kitchen to kitchen for decades, so tonight's loaf may rise on "
    "yeast that fed a family a century ago.",
    "The little bell on a shop door announces each customer like visiting royalty.",
    "Driftwood comes ashore smooth and pale, and there is no telling which forest it left or how "
    "many years it spent choosing this beach.",
    "The sign on the trail said two hours to the waterfall. It was right about the waterfall.",
    "Chameleons change colour more for mood than for hiding, so their feelings are written all "
    "over them.",
    "First wages are spent three times in the head before they reach a single shop.",
    "The old market scale with brass weights is slower than the new one, and the regulars prefer "
    "it, because they can watch it make up its mind.",
    "Whoever brings the mail learns which houses wait at the window and which never open the door.",
    "Card tricks fool the adults at the table, never the child watching from underneath.",
    "Why will a pigeon walk three streets rather than fly one, and what is it saving its wings "
    "for?",
    "On the first day in a new job the names blur, the coffee machine has its own rules and the "
    "stapler belongs to someone. A month later you are the one explaining all three.",
    "Who taught the starling on the roof to imitate the neighbour's car alarm?",
    "Pride keeps its coat buttoned all evening in a warm room.",
    "Ice floats, and that small fact is why the fish in the lake live to see spring.",
    "The family group chat is where good news is announced, old feuds are reopened at midnight and "
    "bad photographs live forever.",
    "A good pen makes even a shopping list feel like a signed treaty.",
    "Dog walkers in the park greet each other's dogs by name and each other with a nod.",
    "Why does a minute holding a plank last longer than a minute of anything else?",
    "Long evening shadows give even short people the stride of giants strolling home.",
    "Loyalty cards in a wallet make a map of every coffee you meant not to buy.",
    "Paint chosen from a tiny card comes out twice as bold once it covers the wall.",
    "The moon has been visited, measured and photographed from all sides, and it still stops "
    "people in their tracks on the way to the car.",
    "Welders look at the world through a dark window and see one small, fierce, bright star.",
    "A portrait's eyes follow you round the room, and by the third visit it feels rude not to nod.",
    "Weather apps agree with one another about one thing only: yesterday.",
    "The car horn in a traffic jam mostly means so am I.",
    "Heat makes the city's tar soft, its dogs flat and its fountains public baths.",
    "Voices carry so well across a still lake that a whisper on one shore is overheard on the "
    "other.",
    "Deep inside a mountain, a seed vault keeps the world's crop seeds frozen, row after labelled "
    "row, so that a variety lost above ground can be fetched back out along a cold tunnel.",
    "A sketchbook carried everywhere fills up with station benches, hands and the backs of heads.",
    "Leafcutter ants carry their leaves like green sails going to market.",
    "An old friend rings after three years and opens with the punchline of a joke you both "
    "remember.",
    "Picnics are packed for sunshine and talked about for years because of the ants.",
    "Every household has words that mean something only at its own dinner table.",
    "Toddlers invent a grammar of their own and apply it more strictly than any textbook.",
    "A story told by the fire grows a little every winter, and the listeners help.",
    "With new glasses, the trees across the road have separate leaves again. For years they had "
    "been a soft green cloud, and the wearer had not noticed the change.",
    "A visitor who starts drying the dishes unasked has stopped being a visitor.",
    "Airports are full of long goodbyes pretending to be about luggage and passports.",
    "Clouds are read by sailors the way faces are read by card players.",
    "Orchestras tune to a single oboe, which takes a certain confidence on the oboe's part.",
    "Willow baskets are woven wet and sold dry, and creak for the rest of their lives.",
    "Some cactus flowers open for a single night, and the moths have been waiting all year.",
    "Has any lifejacket ever looked anything but ridiculous in calm weather?",
    "Lend the book anyway. If it never comes back, somewhere a stranger is turning its pages at "
    "midnight.",
    "Up on the rooftops lies a second, unplanned town of water tanks, satellite dishes, a chair "
    "for sunsets and a pot of basil.",
    "One good bench in a busy square does more for a city than most statues.",
    "Who first thought of putting a bell on a bicycle, and did they ever get any peace?",
    "Tug of war is mostly leaning back and refusing, which wins more often than pulling.",
    "A drop of ink in a glass of water blooms into smoke, galaxies and the veins of a leaf, all "
    "before anyone reaches for a cloth.",
    "Knots tied by an old sailor look simple and come undone only when asked.",
    "Mud on a child's boots is a map of everywhere they were told not to go.",
    "Skimmed across a lake, a stone touches the water five times and sinks where no one will look.",
    "Snakes leave their old skins in one piece, like coats dropped by someone in a hurry.",
    "Cities have more hills by bicycle than by car, and cyclists have met each one personally.",
    "A canyon sends a shout back twice, to be quite sure it heard right.",
    "At opening time the pool lies so flat and still that the first swimmer in feels like an "
    "intruder.",
    "Ask a cabinet maker why a drawer glides and you will get an hour about a hair's width of "
    "wood.",
    "From a distance, a playground at break sounds like an aviary let loose.",
    "A straw in a glass of water seems snapped at the surface, and anyone lifting it out still "
    "checks.",
    "A wristwatch left off for a day leaves a pale band where the time used to be.",
    "The best dancers make the floor look as though it is doing half the work.",
    "Gamblers keep careful notes on dice that keep none at all.",
    "Broken bones knit themselves back together unasked, and an old break can show on X-rays for "
    "years like a mended seam.",
    "After a long drought, even thunder in the night sounds like very good news.",
    "Sign the drawing. In fifty years somebody will want to know who made the sky so purple.",
    "Ice cream on a hot afternoon has to be eaten faster than it can be properly enjoyed.",
    "Cooking for one is a science; cooking for six is a party with burnt edges.",
    "Coconut palms lean out over the water, and their fruit sometimes sails to the next island.",
    "A coin found in the street feels like luck, though it was someone else's bad afternoon.",
    "Why do the first and last days of a holiday hardly count, though we pay for both?",
    "Interpreters at a summit speak both sides of a debate, a sentence behind, and are never "
    "allowed to win it.",
    "Passport stamps suggest adventures, though half of them mark nights spent asleep on hard "
    "station benches.",
    "Each house in a steep mountain village looks straight over the roof of the one below.",
    "The chef tasted the soup and said nothing at all. The kitchen went on holding its breath.",
    "Ten engines idle on the mountain road while one goat makes up its mind.",
    "Sand along the grain, slowly and without pressing, and the wood will show you its true face.",
    "The kitchen is the one room where a mistake teaches its lesson by smell.",
    "Most of what we know about ancient towns comes from their rubbish heaps, a thought that makes "
    "anyone look twice at their own.",
    "Songbirds pick the highest aerial around and sing from it like owners.",
    "Steam from the iron smells of clean cotton and the day before a journey.",
    "In orbit astronauts grow taller, then shrink on landing as if the earth had missed them.",
    "One mosquito in a dark bedroom outwits everybody in it.",
    "A tip jar stays empty for hours and fills fast once a few coins are already in it.",
    "Two crews tunnelling from opposite sides meet in the middle within a hand's width, and the "
    "cheer carries all the way out to daylight.",
    "In villages where all the water comes from one well, the news is drawn up along with it, a "
    "bucket at a time.",
    "On a rope team, the knots get checked before the view does.",
    "Emergency dispatchers speak so calmly that the fire sounds like a weather report.",
    "Evening fog turns the familiar lane into a rumour of itself.",
    "Chess in the park is played loud and fast, watched by crowds that would have moved the "
    "knight.",
    "Pencil stubs too short to hold are the proof that something got finished.",
    "The highest a swing ever goes is with someone else pushing.",
    "From a plane window, clouds seem solid enough to walk on, and the mind half believes it.",
    "Children on a trampoline believe, for one bright second at the top of each bounce, that they "
    "have finally escaped.",
    "Shuttlecocks in a street game spend most of their lives stuck in a tree.",
    "Rehearsals are where a play learns to fail in private, line by line, before anyone buys a "
    "ticket.",
    "Opening a hive on a calm morning, a beekeeper hears forty thousand tiny engines idling, and "
    "stands very still, because the bees are deciding something.",
    "A game of tag has no winner, only a playground full of children out of breath.",
    "A sweater shrunk in the wash is handed down to someone smaller by lunchtime.",
    "The night train carries its sleepers past towns that will never know they were there.",
    "With a good puppeteer the hand is forgotten in a minute, and the sock does the talking.",
    "New alphabets look like decoration for a week and then, quite suddenly, start to talk.",
    "Notebooks bought for great thoughts fill up with phone numbers and drawings of cats.",
    "Tasting the sauce is the cook's privilege, and half the sauce goes that way.",
    "An anvil rings a different note for each blow, and a good smith listens as much as looks.",
    "A long swim empties the head the way the tide empties a beach, leaving only the bright "
    "things.",
    "The calendar on the fridge tells a family's whole year in crossings-out.",
    "Drivers waiting at a railway crossing for a long freight train all count the wagons.",
    "In a shared kitchen, the one clean mug is a matter of great diplomacy.",
    "To a delivery rider, the city is stairs, locked gates and doorbells that do not ring.",
    "One sock lost under a hotel bed means you have properly moved in.",
    "Inside a split beach stone there may be a tiny shell that has been waiting, quite patiently, "
    "since before the dinosaurs.",
    "Laughing underwater comes out as a burst of bubbles and a mouthful of pool.",
    "Scaffolding goes up in a day and then stays a year, admiring the view.",
    "Every mountain path was once a goat's good idea that the rest of us decided to follow.",
    "Sunlight through leaves throws a moving pattern on the path that no painter has caught.",
    "Halfway up any long climb there is a rock exactly the right height to sit on, worn smooth by "
    "everyone who had the same idea.",
    "Plant a bean in a jar of damp paper. Within a week a root goes down and a shoot goes up, and "
    "everyone in the house stops to check on it, however old they are.",
    "Beginners in a dance class watch their own feet, and the teacher keeps saying look up, as if "
    "the floor were not the problem.",
    "Sheets dried in the sun smell of something no shop has managed to bottle.",
    "Summer evenings stretch out like cats in the last of the sun.",
    "Old street lamps hum at dusk like a choir with one note and no intention of learning another.",
    "Moving house turns up one earring, a key to nothing and a letter you were sure you had "
    "answered.",
    "A tailor's chalk lines vanish in the first wash, and the good fit stays for years.",
    "Two clear liquids can look identical and disagree violently, so a lab labels everything.",
    "Most of surfing is sitting on the board waiting, and surfers would not call any of it wasted.",
    "At low tide a rock pool holds crabs, anemones, a shrimp pretending to be sand and one serious "
    "person kneeling with a bucket.",
    "Pelicans fly so low over the waves that the sea must feel it is being inspected.",
    "What a fuss the pressure cooker makes over a few potatoes!",
    "Glassblowers have to keep turning the pipe, or the bright idea sags onto the floor.",
    "A parrot taught one rude word will wait years for the perfect guest.",
    "Cloud shadows slide across the hillside faster than any walker, leaving no trace.",
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
    "After a month of drawing one plaster foot, an art student never sees feet the same way again.",
    "One soaking rain, and weeks later the desert floor is purple with flowers.",
    "Late at night on an empty street, your own footsteps sound like someone else's.",
    "At dawn the bakers on their way to work pass the dancers on their way home, and both look "
    "pleased.",
    "Mosaics are pictures from the door and broken tiles from the chair beside them.",
    "A cat will share your chair only when it has decided you are worthy of it.",
    "On some beaches at night the waves glow blue, and footsteps in the wet sand light up.",
    "A blank afternoon in the diary is a country no one else has found yet.",
    "From the open door of the shop, a bicycle mechanic hears a bike go past and calls out which "
    "part needs oil.",
    "Trees pass sugar to one another through fungus in the soil, so a leafless stump can live for "
    "years on what the forest sends.",
    "Plastering a wall in long sweeps looks like ironing a sheet the size of a room.",
    "One blast of the lifeguard's whistle, and the whole pool looks innocent.",
    "An architect's model comes with tiny trees, tiny people and permanent sunshine, and the real "
    "building must manage without all three.",
    "Cooking with a young child takes three times as long and uses twice the flour, most of it on "
    "the child.",
    "Stage crews dress in black so the audience can pretend not to see them moving the castle.",
    "Shells on the beach were once somebody's whole house, with room for exactly one.",
}};

}  // namespace sagelight
