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
    "Subtitles let the audience read the punchline before the actor says it, so the laugh comes "
    "early.",
    "Wet cement is always signed by morning.",
    "An elephant walks almost silently on cushioned feet, wasting a magnificent entrance.",
    "The tide always wins. The children know it well, and they still give the castle windows, a "
    "moat and a flag on a straw.",
    "Two people sharing one umbrella both arrive with the outer shoulder soaked, each sure the "
    "other got the bigger half.",
    "Handwriting leans forward when we are late; the words are running too.",
    "On a frosty morning each word leaves a little cloud in the air, and it is plain at last who "
    "does the talking.",
    "Jokes are the last part of a new language to arrive, long after the grammar and well after "
    "the rude words.",
    "Dry stone walls stand with no mortar at all, stone leaning on stone, and some have outlived "
    "the farms they divided.",
    "Under a microscope, nothing is ever quite as still as it looked on the table.",
    "Bread dough clings to the fingers until it has been kneaded enough, then suddenly lets go.",
    "Rain on a tin roof turns any conversation under it into cheerful shouting about nothing in "
    "particular.",
    "Counting sheep works only for those who lose count; the careful ones reach four hundred "
    "awake.",
    "Glue holds best once you stop poking the join to see whether it has held.",
    "The ball has no idea of the score, so it bounces just as fairly for the losing side.",
    "The town clock ran five minutes slow for so long that everyone learned to be five minutes "
    "early, and it quietly became the most punctual place in the valley.",
    "Added twice, a column of figures gives two totals, and the third try may offer a third.",
    "Boulderers mime the moves in the air below a climb, like conductors without an orchestra.",
    "On a windless day the turbines on the ridge stand with arms out, like dancers who lost the "
    "music.",
    "Drummers are trusted by the whole band to be dull in exactly the right places.",
    "Sunflowers in a field face east all morning, like a crowd that has heard the bus is coming.",
    "The best prices at the fruit market arrive in the last half hour, along with the wasps.",
    "In a long-exposure photograph a busy square looks empty, apart from the one person who sat "
    "still on a bench at noon.",
    "Leftover foreign coins collect in a bowl, each one a bus fare in a city you may never see "
    "again.",
    "Kites pull hardest on the string just when they seem calmest in the sky.",
    "Under a magnifying glass a moth's wing is tiled like a roof, scale over scale.",
    "Cloth lifted from an indigo vat comes out green and turns blue in the air, and the dyer, "
    "after thirty years, still stops to watch.",
    "A snail's silver trail maps its night out: once round the flowerpot and home.",
    "Calligraphers cannot go back over a stroke, so each word is decided before the brush lands.",
    "Far out at sea on a clear night, the stars come all the way down to the water.",
    "An old map is still a fine thing to own. Half its roads have moved and its rivers have "
    "changed their minds, but it shows, in faded ink, where people once hoped to go.",
    "After snow, a bare roof tells who heats the attic.",
    "Dumplings taste better when everyone at the table has folded a few of them badly.",
    "A fever breaks the way a storm does, all at once, leaving damp sheets and a rinsed new "
    "morning.",
    "In a gale the ship's cook serves soup with one hand and holds the stove with the other, and "
    "the crew complain about the salt.",
    "No one in the building owns up to the trumpet, but each evening someone upstairs works "
    "through the same slow tune, a little better each week, and by now the whole courtyard is on "
    "their side. Occasionally a window across the yard applauds, and the trumpet tries the top "
    "note again.",
    "Poured from arm's height, mint tea lands frothing and the pourer tries not to look proud.",
    "Lullabies in many languages fall at the end of each line, like arms lowering a sleeping baby "
    "into a cradle, and babies everywhere seem to understand the tune long before they know the "
    "words. Drowsiness wins.",
    "An accordion breathes in and out like a sleeper, and the tune comes out both ways.",
    "At a wedding the photographer is the one guest everybody obeys.",
    "Carried over a high pass, a sealed bag of nuts puffs up as if proud of the climb.",
    "After a haircut, the back of the neck feels the weather for a week.",
    "A whole cinema laughs together in the dark and then files out without a glance at anyone.",
    "Washing strung between two buildings flies like a flag for each household: shirts, sheets, a "
    "child's socks and the one good dress.",
    "Drawn freehand, a circle never quite meets itself, and the join gives it away.",
    "How heavy a sleeping child is, compared with the same child awake!",
    "Above the tree line the wind has combed the grass so long that it all lies one way.",
    "In the dark the foot expects one more stair than there is, and stamps on the landing.",
    "From the window seat of a long train the country plays like a film with no plot and no "
    "dialogue, and it is hard to look away.",
    "Mushrooms come up overnight after rain, though the ground has been working on them for weeks.",
    "The oldest building on the street has outlived every plan to knock it down, and every "
    "planner.",
    "In the hour before a market opens, traders build oranges into pyramids, fold shirts into "
    "squares and hang sandals in pairs, then watch customers take it all apart until closing.",
    "Riddles last a second for whoever knows the answer and all evening for everyone else.",
    "A puppy learns its name in a week. Coming when it is called is another course entirely.",
    "Old photographs make everyone look a little surprised to have been young.",
    "A second-hand book sometimes arrives with a stranger's bus ticket still keeping their place.",
    "At the arrivals gate, people holding handwritten names search each face coming through, and "
    "for a moment every tired stranger is looked at like someone long awaited.",
    "On new ice, skaters keep near the edge and leave the middle to the ducks.",
    "Once a locksmith has opened your front door in a minute, you never quite trust that door "
    "again.",
    "Hiccups vanish the moment you ask someone to sit and listen for them.",
    "Container ships cross oceans with boxes stacked above the harbour roofs and a crew that fits "
    "around one table.",
    "Children count on their fingers until told not to, and then they count under the table.",
    "Pickle jars on the windowsill colour the light, and the prettiest one is never opened.",
    "A clear address carries a parcel across three borders; a smudged one loses it in the local "
    "depot.",
    "Birds on a wire space themselves out as carefully as people on a park bench.",
    "The ugliest tomatoes on the stall are the ones the good cooks reach for first.",
    "Pawnshop windows are full of guitars and watches waiting for somebody's better month.",
    "Every anchor is a promise made to the mud.",
    "A sneeze gives fair warning, builds slowly, and then refuses to take any questions.",
    "Retold at breakfast, a dream comes apart in the hands like wet paper.",
    "Hairpin roads show the same village on the left, then the right, then the left again.",
    "Near the equator, on certain days, noon shadows hide right under your feet.",
    "A child learning to read sounds out the cereal box as though it were a poem.",
    "A darned sock heel is a small woven square that nobody sees and each step notices.",
    "A bricklayer's string line is the straightest thing on site, and every brick answers to it.",
    "Lightning arrives all at once, and the thunder follows on foot, grumbling.",
    "Chilli seeds hide in the one forkful you were not ready for.",
    "Salt water finds every scratch on your hands and every weak stitch in the sail.",
    "Held underwater, a punctured tyre owns up at once in a thin line of bubbles.",
    "Hot-air balloons drift in silence between roars of the burner, and each farm dog below "
    "objects.",
    "At an open-air screening the film competes with the stars overhead, and in the second half "
    "the stars begin to win.",
    "A key cut from a copy of a copy turns a little stiffer in the lock.",
    "A borrowed ladder that comes back with a bag of lemons has started something.",
    "After a night shift, a nurse greets the sunrise from the wrong end of the day.",
    "The first bike ride without a steadying hand lasts until the rider looks back to check.",
    "Some proofs that took ten years to find can be checked in an afternoon, which hardly seems "
    "fair.",
    "One paper lantern on a dark balcony makes the whole street seem to be expecting someone.",
    "Pickers on steep vineyard terraces carry full baskets down slopes a goat would think twice "
    "about, and the grapes arrive unbruised.",
    "A paper crane creased crooked at the start comes out crooked in a hundred places.",
    "Soap bubbles swirl with colour and go dark just before they burst.",
    "Your physiotherapist believes in your knee a full week before you do.",
    "One thermometer in the shade and one in the sun will contradict each other all day long.",
    "Untangling a necklace chain takes an evening and the lightest fingers available.",
    "Hanging laundry in a hot wind, the first shirt is dry before the last is pegged.",
    "Who decided that the last slice of cake should be cut in half, and then in half again?",
    "Hand-pulled noodles double with each fold, and the cook does the sums with a flick.",
    "Deserts that bake at noon ask for a blanket by midnight.",
    "Everyone on the street knows where the spare key is hidden, including, on a good day, the "
    "person who hid it.",
    "The crust of rice stuck to the bottom of the pot is the part many families quarrel over.",
    "An upholsterer opens an old armchair and finds hairpins, a pencil stub and sixty years of "
    "crumbs.",
    "After enough time zones, breakfast can arrive twice in one day.",
    "Each family keeps one recipe that nobody has ever managed to write down properly.",
    "Table tennis in a narrow hallway rewards a style no coach would ever teach.",
    "The hush before the applause is the one part of a concert the whole audience plays.",
    "Tropical downpours stop as suddenly as they start, and within a minute the street is "
    "steaming.",
    "A careful experiment asks its question so precisely that the world cannot wriggle out of "
    "answering.",
    "Ice dropped into warm lemonade cracks out loud, like a boot on a frozen puddle.",
    "Owls, bats and astronomers do their best work while the rest of us dream.",
    "Weather balloons rise until the thin air lets them swell and burst, and their little radios "
    "talk all the way down.",
    "Dominoes in the square are slapped down so hard that the table is part of the game.",
    "An octopus tastes whatever it touches, which must make shaking hands complicated.",
    "When a brass band squeezes down a narrow street, windows open one by one and the tuba sets "
    "the spoons humming.",
    "A humming tuning fork set on a tabletop makes the table sing along.",
    "Each word in the dictionary was once somebody's odd new idea, and somebody else frowned at it "
    "over dinner.",
    "Some friends listen the way a cat sits in the sun: wholly, and with no plans for later.",
    "Two raindrops racing down a car window can hush the back seat for a whole valley.",
    "Drawn carefully, the shadow under an apple is what sets it down on the table.",
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
    "In the wet season the village road floods, and whoever owns a canoe runs the bus service.",
    "A bruise fades through the colours of a sunset before it lets you forget the table leg.",
    "A roomful of people asked to clap in time drifts faster with each bar, and the drummer has to "
    "rescue them.",
    "The high dive is mostly ladder: a slow climb, a long look and two seconds of air.",
    "When a big storm is forecast, the shops run out of candles and batteries while the sky stays "
    "innocently blue all afternoon.",
    "The loudest clock in a house is in the guest room.",
    "Night markets bloom at dusk in a square that spends all day pretending to be ordinary.",
    "Iron rusts, copper greens and silver darkens; only gold seems to have nothing on its mind.",
    "On a hot road at noon the far end shimmers like water and retreats at walking pace.",
    "At dawn a woodpecker drums on a metal gutter, having found the one branch in town that rings.",
    "Retirement gives back all the hours, but takes away the excuse for leaving the party early.",
    "Sign painters never pause halfway through a letter, even when a passer-by asks the way.",
    "Twins are asked which one is older so often that the answer becomes a small ceremony.",
    "At night a harbour pilot climbs a rope ladder up the side of a moving ship, steers it past "
    "the rocks and is climbing back down by breakfast: an ordinary commute.",
    "Compost heaps steam on cold mornings, slowly cooking last summer's peelings.",
    "The tongue keeps visiting the gap of a pulled tooth, like a hand checking a locked door.",
    "Shopping lists written in a hurry read back later in a code that defeats even their author.",
    "Spices lose their smell in the cupboard long before they lose their place there.",
    "Pencil notes in a library book's margins let readers bicker across the years.",
    "At four in the morning a hospital hums on quietly: a vending machine glows, a porter "
    "whistles, a nurse laughs softly, and a new person is born into all of it.",
    "After climbing all night to watch sunrise from the summit, most people spend half of it "
    "photographing each other.",
    "At the festival, the dragon's head gets the applause and its middle gets the dust.",
    "Cable cars sway a little at each pylon, and the passengers all laugh the same small laugh.",
    "Campfires draw the circle of chairs tighter as the night gets colder.",
    "Pianos carried up four flights of stairs arrive out of tune, and the movers arrive with "
    "opinions on music.",
    "A puddle holds the whole sky, upside down.",
    "Hammocks accept everyone, but getting out of one gracefully is a separate skill.",
    "Braiding a friend's hair keeps two people sitting still and talking for an hour.",
    "The window cleaner on the fortieth floor watches a hundred meetings with the sound off.",
    "Crosswords left half done in a clinic get finished over a week in several different pens.",
    "Balloon sellers cross the park under a bright cloud that tugs in all directions.",
    "Anger drives off at top speed and then cannot remember where it parked the car.",
    "Every choir has one voice a little too loud, and it is never the singer's own.",
    "Down in a basement, a seismograph scribbles all night about an earthquake on the far side of "
    "the world, which it felt before the news did.",
    "Ships leave harbour slowly, like travellers patting their pockets at the door.",
    "A dripping tap is inaudible all day and fills the house by midnight.",
    "Fishing teaches patience to the angler and caution to the fish.",
    "Moths circle a lamp all night, sure they have almost worked it out.",
    "An honesty box at a roadside stall collects coins, buttons and, once, a note of apology.",
    "The loudest cheers at a marathon go to the runners at the back, out there longest.",
    "The tailor measured twice. The customer held their stomach in both times, and sighed on the "
    "stairs.",
    "Beside a firefighter's bed the boots stand unlaced, ready for somebody else's worst night.",
    "Cooks at a wok over a fierce flame toss the food higher than seems wise and lose none.",
    "Well-sewn books lie flat when opened and stay at whatever page they are left on.",
    "Water left by the bed overnight grows tiny bubbles on the glass, a champagne nobody ordered.",
    "Ripe figs split their own skins, and the wasps always hear about it first.",
    "Upside down on the ceiling above dinner, a gecko strolls past, unbothered by the faces below.",
    "The last person to shuffle is blamed for the bad hands that follow.",
    "A price tag left on a present tells the truth in a room full of kind lies.",
    "Metro maps straighten every river and shrink every walk, and millions trust them daily.",
    "Felt tents on the steppe pack onto a few camels by noon and stand somewhere new by dusk.",
    "When the mango tree in the yard fruits, half the street finds a reason to stop by the gate.",
    "Two magnets held the wrong way round push apart with a stubbornness a child can feel.",
    "Most of a rainforest lives up in the canopy, far above the visitors watching their feet.",
    "A potter's first bowl always leans a little to one side, and somebody in the family still "
    "eats soup from it every winter.",
    "Sawdust in a friend's hair at dinner means the shelves are finally up.",
    "An empty stadium after the match sounds like a shell held to the ear.",
    "Fencing masks make a bout look like two beekeepers quarrelling.",
    "The bottom line of an eye chart is read aloud by everyone as a polite guess.",
    "Knitting needles keep count through films and gossip, and lose it only when someone asks how.",
    "At the top of the big wheel even the loudest riders fall silent for the view.",
    "Two people humming one tune in a kitchen drift into different keys, and neither gives way.",
    "A bandaged fingertip makes puzzles of buttons, coins and shoelaces.",
    "Postcards from a holiday often arrive a week after the sender is home, full of weather that "
    "has long since changed.",
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
    "One hair on a camera lens spoils a hundred photographs before anyone notices it.",
    "On a long mountain bus ride the driver's music becomes everyone's, and by the third hour the "
    "passengers know the chorus.",
    "In a new home the hand keeps reaching for light switches where the last place had them.",
    "A deck missing one card still gets played, a scrap of paper standing in for the queen.",
    "Handwoven cloth holds the weaver's moods in its tension, tight on anxious days and loose on "
    "happy ones, readable only by the weaver.",
    "Hide and seek ends when the seeker goes in to eat, and the best hider is still behind the "
    "curtain at dark, very proud and a little hungry.",
    "Even non-swimmers float in a salt lake, bobbing about with the puzzled air of corks.",
    "Night does not fall everywhere at once; it sweeps westward over oceans and cities like a "
    "slow, enormous broom.",
    "When one firework goes up on an ordinary night, the neighbours wonder what was won.",
    "Walking backwards all day, paying out yarn, a ropemaker covers a day's walk in one long room.",
    "An auctioneer's patter can make a dull chair sound like a rare bird for almost a minute.",
    "Left alone in an empty room, the radio carries on chatting to the furniture.",
    "A spun globe stopped with one finger is as good a way as any to choose the evening's reading.",
    "At a village wedding the cooking starts two days early, the chairs are borrowed from three "
    "streets, and by the end of the night nobody knows whose plates went home with whom.",
    "Glaciers creep too slowly to watch and too steadily to stop.",
    "Back from a week away, you find the desk chair lower, and the whole floor denies touching it.",
    "In a heatwave the shade walks round each tree all day, and the fruit seller's cart follows.",
    "A crumpled page keeps trying to open itself.",
    "An abacus in quick hands clicks like hail and keeps pace with any calculator.",
    "At anchor the chain rattles once in the night, and the crew wakes without knowing why.",
    "After snow, the first footprints across the square are followed by everyone, wobbles and all.",
    "Onions frying in an upstairs flat tell the stairwell what is for dinner.",
    "Words written in the steam on a bathroom mirror come back, faintly, with the next hot shower.",
    "Halfway through a long flight the cabin lights dim, and a plane full of people who never met "
    "falls asleep together.",
    "A hem let down for a growing child leaves a pale line where last year's length was.",
    "Bead curtains greet each visitor with a rattle of applause.",
    "Old street names keep trades that left long ago, so accountants now work on the street of "
    "tanners.",
    "Headphones on a crowded train build a small private room with no walls and no door.",
    "Where everyone cycles, the station racks fill so tightly that finding your own bicycle takes "
    "longer than the ride.",
    "Shop windows show passers-by a glimpse of themselves they had not planned on.",
    "Coffee beans have crossed more borders than most of the people who drink them.",
    "Muddy to the knees and grinning, cross-country runners come in as if they had won the mud.",
    "Sand from a beach holiday turns up in shoes for months, like a souvenir no one asked for.",
    "Tram bells say excuse me in all the languages the city speaks.",
    "A yo-yo left spinning at the bottom of its string comes home at the smallest tug.",
    "Exam halls are so quiet that one dropped pencil makes the room jump.",
    "Inside a tent, rain is the loudest thing on earth and somehow the best for sleeping.",
    "The hottest pepper in the market is sold by the seller with the straightest face.",
    "Clothes laid out for the morning are a flat person ready to become you.",
    "In a power cut, the freezer becomes the most discussed object in the house.",
    "A bowl of lemons on a grey day does the work of a small lamp.",
    "Seaweed that looks like litter on the sand becomes a forest the moment the tide comes in.",
    "Your usual order is remembered at the coffee counter long after your name has gone.",
    "In a park match the goalposts are two bags, and the arguments are all about the crossbar.",
    "Fishing teaches patience to the angler and caution to the fish.",
    "A full glass on a moving train keeps its own small storm all the way to the coast.",
    "A greenhouse on a cold day holds a pocket of summer, and the gardener finds reasons to visit.",
    "Sometimes a tightrope walker wobbles on purpose, so the crowd sees how hard the rest is.",
    "A busker's cap fills fastest during the one song the busker is tired of playing.",
    "On its lowest setting, a ceiling fan slows a hot afternoon to the speed of a long thought.",
    "In the sandpit, every building plan is approved on the spot.",
    "A sheepdog knows every sheep in the flock, and not one of them knows the dog's name.",
    "A pressed flower keeps its shape and loses its scent, like a postcard of itself.",
    "Some street dogs cross with the crowd at the lights, and seem just as late for work.",
    "A shift swap agreed in a corridor is remembered differently by both people a week later.",
    "Chemistry sets show bubbling flasks on the box and deliver a smell in the curtains.",
    "Hopscotch squares chalked on the ground last a week, and even hurried adults hop one.",
    "One candle in a blackout shrinks the room to a circle of faces.",
    "With a prism in the window, a rainbow walks slowly across the floor each afternoon.",
    "A mechanic's knuckles stay grey in the creases, whatever soap they meet.",
    "Shoppers knock on watermelons and listen, as if someone inside might answer.",
    "Karaoke proves that courage and pitch are kept in separate pockets.",
    "When a balloon slips from a child's hand, everyone nearby watches until it is a dot.",
    "Every museum guard has a favourite painting and will tell you which, if you ask.",
    "A dentist's ceiling is the most carefully studied ceiling in town.",
    "An oasis looks far too green to be real until the first sip of water settles the matter.",
    "Snow hushes a town the way a hand on the skin hushes a drum.",
    "Wood shavings smell different for every tree they used to be.",
    "A thunderstorm at night lights the bedroom like a photographer who forgot to ask.",
    "Sourdough starters pass from kitchen to kitchen for decades, so tonight's loaf may rise on "
    "yeast that fed a family a century ago.",
    "The little bell on a shop door announces each customer like visiting royalty.",
    "Driftwood comes ashore smooth and pale, and there is no telling which forest it left or how "
    "many years it spent choosing this beach.",
    "The sign on the trail said two hours to the waterfall. It was right about the waterfall.",
    "Carpets in a bazaar are unrolled one after another, and the buyer forgets which one they "
    "wanted.",
    "First wages are spent three times in the head before they reach a single shop.",
    "The old market scale with brass weights is slower than the new one, and the regulars prefer "
    "it, because they can watch it make up its mind.",
    "Swimmers about to cross a cold lake talk a lot on the shore and not at all in the water.",
    "Card tricks fool the adults at the table, never the child watching from underneath.",
    "Why will a pigeon walk three streets rather than fly one, and what is it saving its wings "
    "for?",
    "On the first day in a new job the names blur, the coffee machine has its own rules and the "
    "stapler belongs to someone. A month later you are the one explaining all three.",
    "Fresh plaster dries from dark to pale in patches, and the room changes colour all week.",
    "Pride keeps its coat buttoned all evening in a warm room.",
    "A pebble in a shoe grows at each step, then tips out no bigger than a crumb.",
    "Weaving through rush-hour traffic, a tiny scooter shows more confidence than the bus beside "
    "it, and gets there first.",
    "A good pen makes even a shopping list feel like a signed treaty.",
    "Dog walkers in the park greet each other's dogs by name and each other with a nod.",
    "Rowers face backwards and steer by advice from a passenger facing forwards.",
    "Long evening shadows give even short people the stride of giants strolling home.",
    "Loyalty cards in a wallet keep careful count of the coffees you meant not to buy.",
    "Paint chosen from a tiny card comes out twice as bold once it covers the wall.",
    "The moon has been visited, measured and photographed from all sides, and it still stops "
    "people in their tracks on the way to the car.",
    "Welders look at the world through a dark window and see one small, fierce, bright star.",
    "A stopped escalator trips everyone at the first step, because the feet refuse to believe it.",
    "Skaters spin faster by pulling in their arms, and young fans try it later on the kitchen "
    "floor.",
    "Stuck in traffic, half the drivers sing and the rest pretend they were not.",
    "Heat makes the city's tar soft, its dogs flat and its fountains public baths.",
    "Voices carry across a still lake so well that a chat on the far shore seems to be in the "
    "boat.",
    "When the departures board changes, hundreds of travellers turn together and hurry off towards "
    "one platform, leaving a single person under the clock who is going somewhere else and feels "
    "clever.",
    "A sketchbook carried everywhere fills up with station benches, hands and the backs of heads.",
    "Leafcutter ants carry their leaves overhead like a parade of tiny green sails.",
    "A friend rings after three years and opens with the punchline of a joke you both remember.",
    "In charades even the shyest person in the room ends up a flailing windmill.",
    "A hotel sewing kit holds three colours of thread and matches nothing you own.",
    "Toddlers invent a grammar of their own and apply it more strictly than any textbook.",
    "Flatbread slapped onto the wall of a clay oven clings there, puffing and blistering.",
    "With new glasses, the trees across the road have separate leaves again. For years they had "
    "been a soft green cloud, and the wearer had not noticed the change.",
    "A visitor who starts drying the dishes unasked has stopped being a visitor.",
    "A sunburn draws the outline of yesterday's shirt in exact detail.",
    "At a long table one chair always wobbles, and whoever gets it balances politely all meal.",
    "Carrying a double bass through a crowd, a musician apologises to everyone and hits nobody.",
    "Willow baskets are woven wet and sold dry, and creak for the rest of their lives.",
    "Some cactus flowers open for a single night, and the moths have been waiting all year.",
    "Has any lifejacket ever looked anything but ridiculous in calm weather?",
    "The kettle boiled twice while the guest finished the story. Nobody noticed until the third "
    "time.",
    "Up on the rooftops lies a second, unplanned town of water tanks, satellite dishes, a chair "
    "for sunsets and a pot of basil.",
    "Public fountains in summer are full of feet by noon and full of coins by night.",
    "Who first thought of putting a bell on a bicycle, and did they ever get any peace?",
    "A drop of honey falls in a slow rope and coils on the toast before it lets go.",
    "A drop of ink in a glass of water blooms into smoke, galaxies and the veins of a leaf, all "
    "before anyone reaches for a cloth.",
    "Knots tied by an old sailor look simple and come undone only when asked.",
    "Mud on a child's boots keeps a record of everywhere they were told not to go.",
    "Skimmed across a lake, a stone touches the water five times and sinks where no one will look.",
    "Snakes leave their old skins in one piece, like coats dropped by someone in a hurry.",
    "Cities have more hills by bicycle than by car, and cyclists have met each one personally.",
    "A canyon answers a shout a moment later, in your voice but less sure.",
    "In the early afternoon heat the town shuts its eyes, and one motorbike sounds like a parade.",
    "Asked why a drawer glides, a cabinet maker will talk for an hour about a hair's width of "
    "wood.",
    "From a distance, a playground at break sounds like an aviary let loose.",
    "A gust at the market flips the awnings, and the traders grab for them like hats.",
    "The floor of a rehearsal room is covered in tape marks from a dozen forgotten plays.",
    "Cobblestones make any suitcase on wheels sound like a passing train.",
    "Pins and needles in a sleeping foot make slapstick of the first few steps.",
    "At a high mountain camp the water boils before it is really hot, and the pasta takes its time "
    "about it.",
    "A sundial in the shade of the tree that grew up beside it tells no time at all.",
    "Sign the drawing. In fifty years somebody will want to know who made the sky so purple.",
    "Ice cream on a hot afternoon has to be eaten faster than it can be properly enjoyed.",
    "Cooking for one is a science; cooking for six is a party with burnt edges.",
    "A spinning top looks stillest when it is spinning fastest.",
    "A coin found in the street feels like luck, though it was someone else's bad afternoon.",
    "Fresh white paint collects the fingerprints of the whole household within a day.",
    "Interpreters at a summit speak both sides of a debate, a sentence behind, and are never "
    "allowed to win it.",
    "Passport stamps suggest adventures, though half of them mark nights spent asleep on hard "
    "station benches.",
    "Each house in a steep mountain village looks straight over the roof of the one below.",
    "The chef tasted the soup and said nothing. Everyone in the kitchen found something to scrub.",
    "Ten engines idle on the mountain road while one goat makes up its mind.",
    "Hand saws start with a few short strokes backwards, and after that the wood lets them in.",
    "The kitchen is the one room where a mistake teaches its lesson by smell.",
    "Most of what we know about ancient towns comes from their rubbish heaps, a thought that makes "
    "anyone look twice at their own.",
    "A newly sharpened chisel lifts curls of wood so easily that the carpenter looks for more to "
    "trim.",
    "Steam from the iron smells of clean cotton and the day before a journey.",
    "Up a steep hill, a cycle rickshaw's passenger sits very straight, trying to weigh less.",
    "One match struck in a cave makes the dark look enormous.",
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
    "Peeling an orange in one long spiral is a quiet victory over the afternoon.",
    "From a plane window, clouds seem solid enough to walk on, and the mind half believes it.",
    "Children on a trampoline believe, for one bright second at the top of each bounce, that they "
    "have finally escaped.",
    "Shuttlecocks in a street game end up, sooner or later, in the same tree.",
    "Spilled marbles find every corner of a wooden floor in a second.",
    "Opening a hive on a calm morning, a beekeeper hears forty thousand tiny engines idling, and "
    "stands very still, because the bees are deciding something.",
    "A garden hose left in the sun gives a first splash hot enough for tea.",
    "A sweater shrunk in the wash is handed down to someone smaller by lunchtime.",
    "The night train carries its sleepers past towns that will never know they were there.",
    "With a good puppeteer the hand is forgotten in a minute, and the sock does the talking.",
    "After a night of wind, the parked cars are all wearing the same blossom.",
    "Once a new book's spine has cracked, it falls open at that page for good.",
    "Tasting the sauce is the cook's privilege, and half the sauce goes that way.",
    "Steel pans are hammered into shape, so every note on them was once a dent.",
    "A long swim empties the head the way the tide empties a beach, leaving only the bright "
    "things.",
    "The office plant is watered five times one week and not at all the next three.",
    "Falling rock signs are read carefully by drivers who can do nothing at all about them.",
    "In a shared kitchen, the one clean mug is a matter of great diplomacy.",
    "A trapeze artist lets go of one bar before the other arrives, nightly, on schedule.",
    "Every toolbox holds one screwdriver that fits nothing at all.",
    "Inside a split beach stone there may be a tiny shell that has kept its shape since before the "
    "dinosaurs.",
    "Tea from a flask on a windy hill tastes faintly of flask and wonderfully of hill.",
    "Scaffolding goes up in a day and stays for a year, collecting pigeons and posters.",
    "Every mountain path was once a goat's good idea that the rest of us decided to follow.",
    "When the cicadas stop all at once, for a moment the heat itself seems to have gone quiet.",
    "Halfway up any long climb there is a rock exactly the right height to sit on, worn smooth by "
    "everyone who had the same idea.",
    "Plant a bean in a jar of damp paper. Within a week a root goes down and a shoot goes up, and "
    "everyone in the house stops to check on it, whatever their age.",
    "Beginners in a dance class watch their own feet, and the teacher keeps saying look up, as if "
    "the floor were not the problem.",
    "At midnight the coats on the party bed are searched by people who all own black ones.",
    "Sun-warmed bricks at dusk give the afternoon back to anyone who leans on them.",
    "A sun-faded shop awning keeps its true colour only in the folds.",
    "Moving house turns up one earring, a key to nothing and a letter you were sure you had "
    "answered.",
    "A tailor's chalk lines vanish in the first wash, and the good fit stays for years.",
    "Two clear liquids can look identical and disagree violently, so a lab labels everything.",
    "A crowd watching a street juggler steps back a little each time a club goes high.",
    "At low tide a rock pool holds crabs, anemones, a shrimp pretending to be sand and one serious "
    "person kneeling with a bucket.",
    "A kingfisher hits the water and is back on its branch before the ripples reach the bank.",
    "What a fuss the pressure cooker makes over a few potatoes!",
    "Glassblowers have to keep turning the pipe, or the bright idea sags onto the floor.",
    "Tiles in a cold bathroom make the first step of the morning a decision.",
    "Cloud shadows slide across the hillside faster than any walker, leaving no trace.",
    "Weightlifters chalk their hands, stare at the bar and seem to ask its permission.",
    "Look up from the street. Above the shop signs, carved faces have hoped for a glance for "
    "centuries.",
    "The last train home at night is full of people who have stopped pretending.",
    "A tiled floor goes down quickly until the last row, where each tile has to be cut to fit.",
    "A blunt pencil makes a rough draft of anything it writes.",
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
    "A lizard on a warm wall does push-ups at passers-by, who never know how to respond.",
    "During a head cold, food tastes of nothing but its temperature.",
    "The first bite of a crisp apple is loud enough to turn heads in a silent carriage.",
    "From the open door of the shop, a bicycle mechanic hears a bike go past and calls out which "
    "part needs oil.",
    "A roadside mechanic in the desert mends a gearbox with wire, a tin lid and great confidence, "
    "and the van rattles off.",
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
