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
    "Sunken in the middle, the cake still tastes of butter and sugar: it goes first.",
    "Subtitles give away the punchline before the actor can say it.",
    "Wet cement is always signed by morning.",
    "An elephant walks almost silently on cushioned feet, wasting a magnificent entrance.",
    "A child's first letter to a grandparent is mostly drawing. The few words in it lean on each "
    "other for support.",
    "Two people sharing one umbrella both arrive with the outer shoulder soaked, each sure the "
    "other got the bigger half.",
    "Handwriting leans forward when we are late; the words are running too.",
    "On a frosty morning every word leaves a small cloud in the air: at last you can see who does "
    "the talking.",
    "Jokes are the last part of a new language to arrive, long after the grammar and well after "
    "the rude words.",
    "Dry stone walls stand with no mortar at all, stone leaning on stone; some have outlived the "
    "farms they divided.",
    "Under a microscope, nothing is ever quite as still as it looked on the table.",
    "Bread dough clings to the fingers until it has been kneaded enough, then suddenly lets go.",
    "Rain on a tin roof turns any conversation under it into cheerful shouting about nothing in "
    "particular.",
    "Trying hard to fall asleep works about as well as trying hard to look natural in a "
    "photograph.",
    "Glue holds best once you stop poking the join to see whether it has held.",
    "A netball court at dusk: three players left, and the ring still shivering from the last shot.",
    "For years the town clock showed a different time on each of its four faces; people chose the "
    "face that suited them, the baker looking east and the latecomers west.",
    "Added twice, a column of figures gives two totals; a third try may offer a third.",
    "Boulderers mime the moves in the air below a climb, like conductors without an orchestra.",
    "On a windless day the turbines on the ridge stand with arms out, like dancers who lost the "
    "music.",
    "Drummers are trusted by the whole band to be dull in exactly the right places.",
    "Sunflowers in a field face east all morning, like a crowd that has heard the bus is coming.",
    "A jigsaw with one piece missing is finished anyway, the gap left exactly where the sky was.",
    "In a darkroom tray the paper shows nothing, then a grey ghost, then a whole family on a "
    "beach, squinting at a photographer long gone.",
    "Leftover foreign coins collect in a bowl, each one a bus fare in a city you may never see "
    "again.",
    "A kite string hums in a strong wind; hold it near your ear and you can hear the sky working.",
    "Under a magnifying glass a moth's wing is tiled like a roof, scale over scale.",
    "Cloth lifted from an indigo vat comes out green and turns blue in the air: thirty seconds "
    "that even a dyer of thirty years watches closely.",
    "A snail's silver trail maps its night out: once round the flowerpot and home.",
    "Calligraphers cannot go back over a stroke, so each word is decided before the brush lands.",
    "Far out at sea on a clear night, the stars come all the way down to the water.",
    "An old map is still a fine thing to own. Half its roads have moved and its rivers wander "
    "elsewhere now, but it shows in faded ink a ferry that no longer runs.",
    "The first roofs to lose snow are the warm ones.",
    "Dumplings taste better when everyone at the table has folded a few of them badly.",
    "A fever breaks the way a storm does, all at once, leaving damp sheets and a rinsed new "
    "morning.",
    "In a gale the ship's cook serves soup with one hand and holds the stove with the other; the "
    "crew complain about the salt.",
    "No one in the building owns up to the trumpet, but each evening someone upstairs works "
    "through the same slow tune, a little better each week, and by now the whole courtyard is on "
    "their side. Occasionally a window across the yard applauds, and the trumpet tries the top "
    "note again.",
    "Poured from arm's height, mint tea lands frothing and the pourer tries not to look proud.",
    "Many lullabies fall at the end of each line, like arms lowering a sleeping baby into a "
    "cradle, and a baby seems to follow the tune long before it could know any of the words that "
    "go with it. Drowsiness wins.",
    "An accordion plays on the in-breath as well as the out.",
    "At a wedding the photographer is the one guest everybody obeys.",
    "Carried over a high pass, a sealed bag of crisps puffs up tight as a drum.",
    "After a haircut, the back of the neck feels the weather for a week.",
    "A cinema after the last show: popcorn in the aisles, one glove, every seat folded up.",
    "Washing strung between two buildings flies like a flag for each household: shirts, sheets, a "
    "child's socks and the best tablecloth.",
    "Drawn freehand, a circle never quite meets itself; the join always shows.",
    "How heavy a sleeping child is, compared with the same child awake!",
    "Above the tree line the wind has combed the grass so long that it all lies one way.",
    "In the dark the foot finds one stair too few and stamps on the landing.",
    "On a long train ride the same river keeps appearing on the left, a little wider each time, as "
    "if it were heading for the coast too.",
    "Mushrooms come up overnight after rain, though the ground has been working on them for weeks.",
    "The oldest building on the street has outlived every plan to knock it down, and every "
    "planner.",
    "In the hour before a market opens, traders build oranges into pyramids, fold shirts into "
    "squares and hang sandals in pairs, then watch customers take it all apart until closing.",
    "Riddles last a second for whoever knows the answer and all evening for everyone else.",
    "A puppy learns its name in a week. Coming when it is called is another course entirely.",
    "Old photographs make everyone look a little surprised to have been young.",
    "In the button tin lies the last of every coat the family ever wore out.",
    "On the night ferry the lorry drivers take the same corner table every crossing, play the same "
    "card game and leave the deck behind for the return trip; nobody else touches it.",
    "On new ice, skaters keep near the edge and leave the middle to the ducks.",
    "Once a locksmith has opened your front door in a minute, you never quite trust that door "
    "again.",
    "Hiccups vanish the moment you ask someone to sit and listen for them.",
    "Container ships cross oceans with boxes stacked above the harbour roofs and a crew that fits "
    "around one table.",
    "Children count on their fingers until told not to; then they count under the table.",
    "Pickle jars on the windowsill colour the light; the prettiest one is never opened.",
    "A parcel that has crossed three borders arrives with stickers in four alphabets and one dent.",
    "Birds on a wire space themselves out as carefully as people on a park bench.",
    "Loose screws in a jam jar are what is left of every shelf the house ever put up.",
    "Pawnshop windows are full of guitars and watches waiting for somebody's better month.",
    "Every anchor is a promise made to the mud.",
    "The sneeze that has been building for a whole minute arrives on the quietest line of the "
    "play.",
    "Retold at breakfast, a dream comes apart in the hands like wet paper.",
    "Hairpin roads show the same village on the left, then the right, then the left again.",
    "Chalk squeaks only at the wrong angle, which is somehow always the teacher's.",
    "A child learning to read sounds out every shop sign on the way home, slowly, like a poem.",
    "A darned sock heel is a small woven square that nobody sees and each step notices.",
    "The bricklayer's string, pulled tight from post to post, is the one part of the wall never "
    "built.",
    "Heat lightning flickers over the hills all evening without a sound, like a switch being "
    "tested.",
    "Chilli seeds hide in the one forkful you were not ready for.",
    "Salt water finds every scratch on your hands and every weak stitch in the sail.",
    "The puncture repair kit turns up only after the long walk home beside the bicycle.",
    "Hot-air balloons drift in silence between roars of the burner, and each farm dog below "
    "objects.",
    "At an open-air screening the film competes with the stars overhead; by the second half the "
    "stars are winning.",
    "A key cut from a copy of a copy turns a little stiffer in the lock.",
    "A borrowed ladder that comes back with a bag of lemons has started something.",
    "After a night shift, a nurse greets the sunrise from the wrong end of the day.",
    "The first bike ride without a steadying hand lasts until the rider looks back to check.",
    "Some proofs that took ten years to find can be checked in an afternoon, which hardly seems "
    "fair.",
    "One paper lantern on a dark balcony makes the whole street seem to be expecting someone.",
    "Pickers on steep vineyard terraces carry full baskets down slopes that would worry a mule; "
    "the grapes arrive unbruised.",
    "Folded small enough, a bus ticket becomes a crane, a boat or a very small hat.",
    "Soap bubbles swirl with colour and go dark just before they burst.",
    "Your physiotherapist believes in your knee a full week before you do.",
    "One thermometer in the shade and one in the sun will contradict each other all day long.",
    "Untangling a necklace chain takes an evening and the lightest fingers available.",
    "Hanging laundry in a hot wind, the first shirt is dry before the last is pegged.",
    "Who decided that the last slice of cake should be cut in half, and then in half again?",
    "Hand-pulled noodles double with each fold: two, four, eight, sixteen, and then nobody counts.",
    "Toddlers wave goodbye long after the car has turned the corner.",
    "Everyone on the street knows where the spare key is hidden, including, on a good day, the "
    "person who hid it.",
    "The crust of rice stuck to the bottom of the pot is the part many families quarrel over.",
    "An upholsterer opens an old armchair and finds hairpins, a pencil stub and sixty years of "
    "crumbs.",
    "After enough time zones, breakfast can arrive twice in one day.",
    "Recipes copied out from a grandmother say a handful, a pinch and until it looks right.",
    "Table tennis in a narrow hallway rewards a style no coach would ever teach.",
    "The hush before the applause is the one part of a concert the whole audience plays.",
    "Tropical downpours stop as suddenly as they start; within a minute the street is steaming.",
    "Most of a laboratory's week is washing glassware; the discovery, if it comes, takes an "
    "afternoon.",
    "Ice dropped into warm lemonade cracks out loud, like a boot on a frozen puddle.",
    "An observatory dome opens at dusk like a slow, enormous eyelid on the cold sky.",
    "Weather balloons rise until the thin air swells them to bursting, their little radios talking "
    "all the way down.",
    "Dominoes in the square are slapped down so hard that the table is part of the game.",
    "In the sewing box, the darning mushroom has outlasted every sock it ever mended.",
    "When a brass band squeezes down a narrow street, windows open one by one and the tuba sets "
    "the spoons humming.",
    "Freshly mown grass on a football pitch is striped by the mower, light one way, dark the "
    "other.",
    "Every old word in the dictionary was once slang that somebody's teacher refused to accept in "
    "homework.",
    "Some friends listen the way a cat sits in the sun: wholly, and with no plans for later.",
    "Two raindrops racing down a car window can keep the back seat quiet for a whole hour.",
    "Drawn carefully, the shadow under an apple is what sets it down on the table.",
    "Suspension bridges are built to sway, a fact most drivers would rather not know.",
    "Homesick travellers read labels in foreign supermarkets just to find one familiar word.",
    "Crabs walk sideways and still reach the water before the children can catch them.",
    "Graffiti on a railway bridge shouts one name, very slowly, at each passing train for years.",
    "Which steps of the old staircase creak, and where to tread to miss them, is the first thing "
    "every teenager in the house learns.",
    "Why does a new house key weigh so much more than an old one, for about a week?",
    "Street food tastes best eaten standing up, with the cook watching to see your face.",
    "A weather vane on a still day points wherever the last wind left it.",
    "Visitors' books in mountain huts are mostly weather, written by hand with cold fingers.",
    "Laughter from the next room is always funnier than the joke could have been.",
    "Milking starts at dawn on a dairy farm, holidays included; the cows see no reason to discuss "
    "the matter.",
    "Four clicks of the drumsticks, and the quarrel from the van is put off until the song ends.",
    "On its spin cycle, the washing machine walks slowly across the floor.",
    "Down an old well a dropped pebble takes its time: the wait for the splash says how deep.",
    "The detour round a flooded road takes the school bus past fields nobody on board has ever "
    "seen.",
    "A bruise fades through the colours of a sunset before it lets you forget the table leg.",
    "Office whiteboards keep last month's plan faintly under this month's, in a colour of marker "
    "that no longer exists.",
    "The high dive is mostly ladder: a slow climb, a long look and two seconds of air.",
    "When a big storm is forecast, the shops run out of candles and batteries while the sky stays "
    "innocently blue all afternoon.",
    "The loudest clock in a house is in the guest room.",
    "Night markets bloom at dusk in a square that spends all day pretending to be ordinary.",
    "A teaspoon left in the jam jar is found a week later standing upright, set fast like a "
    "flagpole.",
    "The timetable at a country bus stop is mostly blank space, with one hopeful column at dawn.",
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
    "At four in the morning a hospital hums on quietly: a vending machine glows, a porter whistles "
    "down a long corridor, a nurse laughs softly at the desk over a cold tea.",
    "After climbing all night to watch sunrise from the summit, most people spend half of it "
    "photographing each other.",
    "At the festival the dragon's head gets the photographs; its middle gets the dust.",
    "Cable cars sway a little at each pylon; below, the walkers on the path never look up.",
    "Campfires draw the circle of chairs tighter as the night gets colder.",
    "Pianos carried up four flights of stairs arrive out of tune; the movers arrive with opinions "
    "on music.",
    "Someone always props a lost glove on the railing.",
    "Hammocks accept everyone, but getting out of one gracefully is a separate skill.",
    "Cutting a friend's hair on the balcony keeps two people still and talking for an hour.",
    "The window cleaner on the fortieth floor watches a hundred meetings with the sound off.",
    "The waiting-room clock ticks louder with each name called that is not yours.",
    "Balloon sellers cross the park under a bright cloud that tugs in all directions.",
    "Anger drives off at top speed and then cannot remember where it parked the car.",
    "Every choir has one voice a little too loud, and it is never the singer's own.",
    "Down in a basement, a seismograph scribbles all night about an earthquake on the far side of "
    "the world, which it felt before the news did.",
    "Ships leave harbour slowly, like travellers patting their pockets at the door.",
    "A dripping tap is inaudible all day and deafening by midnight.",
    "Fishing teaches patience to the angler and caution to the fish.",
    "Moths circle a lamp all night, sure they have almost worked it out.",
    "An honesty box at a roadside stall collects coins, buttons and, once, a note of apology.",
    "The loudest cheers at a marathon go to the runners at the back, out there longest.",
    "The tailor reached for the tape. The customer breathed in and held it, all the way to the "
    "hem.",
    "Beside a firefighter's bed the boots stand open, trousers bunched over them, ready in "
    "seconds.",
    "Cooks at a wok over a fierce flame toss the food higher than seems wise and lose none.",
    "Well-sewn books lie flat when opened and stay at whatever page they are left on.",
    "Water left by the bed overnight grows tiny bubbles on the glass, a champagne nobody ordered.",
    "Ripe figs split their own skins in the heat and drip onto the path below.",
    "Upside down on the ceiling above dinner, a gecko strolls past, unbothered by the faces below.",
    "The last person to shuffle is blamed for the bad hands that follow.",
    "Price tags left on presents are peeled off in a hurry, with both people watching.",
    "Metro maps straighten every river and shrink every walk; millions trust them daily.",
    "Pitched in the dark, a tent shows by morning exactly where the rock under it was.",
    "When the mango tree in the yard fruits, half the street finds a reason to stop by the gate.",
    "Two magnets held the wrong way round push apart with a stubbornness a child can feel.",
    "To see the top of the tallest tree in the park, you have to lie on your back in the grass.",
    "A potter's first bowl always leans a little to one side; somebody in the family still eats "
    "soup from it every winter.",
    "Sawdust in a friend's hair at dinner means the shelves are finally up.",
    "An empty stadium after the match sounds like a shell held to the ear.",
    "Fencing masks make a bout look like two beekeepers quarrelling.",
    "After the dentist, a numb lip makes every sip of coffee a matter of careful aim.",
    "Knitting needles keep count through films and gossip, losing it only when asked how many "
    "rows.",
    "At the top of the big wheel even the loudest riders fall silent for the view.",
    "Two people humming one tune on a long walk drift into different keys; neither gives way.",
    "A bandaged fingertip makes puzzles of buttons, coins and shoelaces.",
    "The spare room fills up with everything that has no room of its own: a bicycle pump, a sewing "
    "machine and a box labelled odds.",
    "A ship in a bottle is built lying down, masts folded flat. Once it is inside, a thread pulls "
    "them upright, and the builder lets out a breath held for a week.",
    "An island teaches you the sound of the ferry long before it teaches you anyone's name.",
    "Wet footprints on a hot stone path vanish while you are still looking back at them.",
    "From the middle of a bridge, the river and the traffic hurry opposite ways and ignore each "
    "other.",
    "The heron stands still in the shallows for an hour and calls it fishing.",
    "A good librarian can find the book you need from a vague memory of its cover and a guess "
    "about the author's hat, then pull down a second one from the shelf above, just in case.",
    "A stew forgives a late guest, but a custard forgives no one.",
    "Hand-me-down clothes arrive with someone else's elbows already worn into them.",
    "One hair on a camera lens spoils a hundred photographs before anyone notices it.",
    "On a long mountain bus ride the driver's music becomes everyone's: by the third hour the "
    "passengers know the chorus.",
    "In a new home the hand keeps reaching for light switches where the last place had them.",
    "A deck missing one card still gets played, a scrap of paper standing in for the queen.",
    "Handwoven cloth shows the weaver's days in its tension: a tight row, a loose one, a row where "
    "the cat sat on the warp.",
    "Hide and seek ends when the seeker goes in to eat; the best hider is still behind the curtain "
    "at dark, undefeated and a little hungry.",
    "A lido at seven in the morning: one swimmer, one attendant and a flat blue surface.",
    "Night does not fall everywhere at once; it sweeps westward over oceans and cities like a "
    "slow, enormous broom.",
    "When one firework goes up on an ordinary night, the neighbours wonder what was won.",
    "Walking backwards all day, paying out yarn, a ropemaker covers a day's walk in one long room.",
    "An auctioneer's patter can make a dull chair sound like a rare bird for almost a minute.",
    "Left alone in an empty room, the radio carries on chatting to the furniture.",
    "A spun globe stopped with one finger is as good a way as any to choose the evening's reading.",
    "At a village wedding the cooking starts two days early, the chairs are borrowed from three "
    "streets, and by the end of the night nobody knows whose plates went home with whom.",
    "On cold mornings the inside of the window is drawn all over with ferns.",
    "Back from a week away, you find the desk chair lower; nobody in the house admits to touching "
    "it.",
    "In a heatwave the shade walks round each tree all day, with the fruit seller's cart "
    "following.",
    "A crumpled page keeps trying to open itself.",
    "An abacus in quick hands clicks like hail and keeps pace with any calculator.",
    "At anchor the chain rattles once in the night; the whole crew wakes without knowing why.",
    "After snow, the first footprints across the square are followed by everyone, wobbles and all.",
    "Onions frying in an upstairs flat tell the stairwell what is for dinner.",
    "Words written in the steam on a bathroom mirror come back, faintly, with the next hot shower.",
    "Halfway through a long flight the cabin lights dim, leaving a scatter of reading lamps, each "
    "one a small room of its own.",
    "A school corridor smells of floor polish on the first day and of wet coats by the end of the "
    "week.",
    "Bead curtains part for each visitor with a sound like light rain.",
    "Old street names keep trades that left long ago, so accountants now work on the street of "
    "tanners.",
    "Headphones on a crowded train build a small private room with no walls and no door.",
    "At the station's bicycle rack, the hardest part of the journey home is remembering which row "
    "you used.",
    "Shop windows show passers-by a glimpse of themselves they had not planned on.",
    "Coffee beans have crossed more borders than most of the people who drink them.",
    "Muddy to the knees and grinning, cross-country runners come in as if they had won the mud.",
    "A drawer of takeaway menus keeps a history of the street's restaurants, most of them closed.",
    "Tram bells say excuse me in all the languages the city speaks.",
    "A yo-yo left spinning at the bottom of its string comes home at the smallest tug.",
    "Exam halls are so quiet that one dropped pencil makes the room jump.",
    "Inside a tent, one mosquito is the size of the whole night.",
    "Soap in a shared bathroom shrinks to a wafer and is never quite finished.",
    "Clothes laid out for the morning are a flat person ready to become you.",
    "Shoes bought for a wedding are walked up and down the hallway for a week.",
    "A bowl of lemons on a grey day does the work of a small lamp.",
    "Seaweed that looks like litter on the sand becomes a forest the moment the tide comes in.",
    "Your usual order is remembered at the coffee counter long after your name has gone.",
    "A game of football in the street pauses politely for every passing car, then resumes "
    "mid-argument.",
    "Fishing teaches patience to the angler and caution to the fish.",
    "A full glass on a moving train keeps its own small storm all the way to the coast.",
    "A greenhouse on a cold day holds a pocket of summer that the gardener finds reasons to visit.",
    "A tightrope walker looks at the far platform, never at the rope and never down.",
    "A busker's cap fills fastest during the one song the busker is tired of playing.",
    "On its lowest setting, a ceiling fan slows a hot afternoon to the speed of a long thought.",
    "In the sandpit, every building plan is approved on the spot.",
    "A sheepdog knows every sheep in the flock; not one of them knows the dog's name.",
    "A pressed flower keeps its shape and loses its scent, like a postcard of itself.",
    "Some street dogs cross with the crowd at the lights, looking just as late for work.",
    "A shift swap agreed in a corridor is remembered differently by both people a week later.",
    "Chemistry sets show bubbling flasks on the box and deliver a smell in the curtains.",
    "Hopscotch squares chalked on the pavement last a week; even hurried adults hop one.",
    "One candle in a blackout shrinks the room to a circle of faces.",
    "With a prism in the window, a rainbow walks slowly across the floor each afternoon.",
    "A mechanic's knuckles stay grey in the creases, whatever soap they meet.",
    "Shoppers knock on watermelons and listen, as if someone inside might answer.",
    "Karaoke proves that courage and pitch are kept in separate pockets.",
    "When a balloon slips from a child's hand, everyone nearby watches until it is a dot.",
    "Museum guards who stand all day beside one painting will tell you what it is really about.",
    "A dentist's ceiling is the most carefully studied ceiling in town.",
    "An oasis looks far too green to be real until the first sip of water settles the matter.",
    "Snow hushes a town the way a palm laid on a drum hushes the drum.",
    "Wood shavings smell different for every tree they used to be.",
    "A thunderstorm at night lights the bedroom like a photographer who forgot to ask.",
    "A notebook kept in the glovebox records fuel, distances and, once, in a different hand, a "
    "phone number with no name.",
    "The little bell on a shop door announces each customer like visiting royalty.",
    "Driftwood comes ashore smooth and pale, with no telling which forest it left or how many "
    "years it spent at sea.",
    "The sign on the trail said two hours to the waterfall. It was right about the waterfall.",
    "A cello in a taxi gets the back seat; its owner rides in front like a chauffeur.",
    "First wages are spent three times in the head before they reach a single shop.",
    "The old shop scale with brass weights is slower than the new one; the regulars prefer it "
    "anyway, since they can watch the needle settle.",
    "Swimmers about to cross a cold lake talk a lot on the shore and not at all in the water.",
    "Card tricks fool the adults at the table, never the child watching from underneath.",
    "Why will a pigeon walk three streets rather than fly one, and what is it saving its wings "
    "for?",
    "On the first day in a new job the names blur, the coffee machine has its own rules and the "
    "stapler belongs to someone. A month later you are the one explaining all three.",
    "Fresh plaster dries from dark to pale in patches; the room changes colour all week.",
    "Pride keeps its coat buttoned all evening in a warm room.",
    "A pebble in a shoe grows at each step, then tips out no bigger than a crumb.",
    "Weaving through rush-hour traffic, a tiny scooter shows more nerve than the bus beside it and "
    "gets there first.",
    "Left-handed writers carry the day's words in blue along the side of the hand.",
    "Dog walkers in the park greet each other's dogs by name and each other with a nod.",
    "Rowers face backwards and steer by advice from a passenger facing forwards.",
    "Long evening shadows give even short people the stride of giants strolling home.",
    "Loyalty cards in a wallet keep careful count of the coffees you meant not to buy.",
    "Paint chosen from a tiny card comes out twice as bold once it covers the wall.",
    "The moon has been visited, measured and photographed from every side; it is still the thing "
    "people point at from car parks.",
    "Welders look at the world through a dark window and see one small, fierce, bright star.",
    "A stopped escalator trips almost everyone at the first step, though they can see it is still.",
    "Roller skates on a quiet street at dusk: the sound arrives long before the skater.",
    "Stuck in traffic, half the drivers sing and the rest pretend they were not.",
    "Heat makes the city's tar soft, its dogs flat and its fountains public baths.",
    "Voices carry across a still lake so well that a chat on the far shore seems to be in the "
    "boat.",
    "The lost property office at a big station keeps umbrellas by the hundred, a single ski, a "
    "stuffed owl and a set of false teeth, each one labelled with a date and a platform number.",
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
    "At a long table the wobbling chair goes to whoever arrives last.",
    "Carrying a double bass through a crowd, a musician apologises to everyone and hits nobody.",
    "Willow baskets are woven wet and sold dry, creaking for the rest of their lives.",
    "A night-blooming flower on a balcony brings the neighbours out in pyjamas to watch it open.",
    "Has any lifejacket ever looked anything but ridiculous in calm weather?",
    "The kettle boiled twice while the guest finished the story. Nobody noticed until the third "
    "time.",
    "Up on the rooftops lies a second, unplanned town of water tanks, satellite dishes, a chair "
    "for sunsets and a pot of basil.",
    "Public fountains in summer are full of feet by noon and full of coins by night.",
    "Is there a sound more hopeful than a bus engine coming round the corner in the rain?",
    "A drop of honey falls in a slow rope and coils on the toast before it lets go.",
    "A drop of ink in a glass of water blooms into smoke, galaxies and the veins of a leaf, all "
    "before anyone reaches for a cloth.",
    "Knots tied by an old sailor look simple and come undone only when asked.",
    "Mud on a child's boots keeps a record of everywhere they were told not to go.",
    "Skimmed across a lake, a stone touches the water five times and sinks where no one will look.",
    "A coat left on a chair keeps the shape of its owner's shoulders for an hour.",
    "Cities have more hills by bicycle than by car; cyclists have met each one personally.",
    "A canyon answers a shout a moment later, in your voice but less sure.",
    "In the early afternoon heat the town shuts its eyes; one motorbike sounds like a parade.",
    "Asked why a drawer glides, a cabinet maker will talk for an hour about a hair's width of "
    "wood.",
    "From a distance, a playground at break sounds like an aviary let loose.",
    "A single gust turns an umbrella inside out and its owner into a sailor.",
    "The floor of a rehearsal room is covered in tape marks from a dozen forgotten plays.",
    "Cobblestones make any suitcase on wheels sound like a passing train.",
    "Pins and needles in a sleeping foot make slapstick of the first few steps.",
    "Tent pegs bend on the first stone; the camper who remembered a mallet is the most popular "
    "person in the field.",
    "A sundial in the shade of the tree that grew up beside it tells no time at all.",
    "The drawing was signed in crayon. Fifty years on, someone wants to know who made the sky so "
    "purple.",
    "Ice cream in a heatwave runs down the cone, the wrist and the elbow, in that order.",
    "Dropped on a tiled floor, a spoon rings for longer than anyone expects.",
    "A spinning top looks stillest when it is spinning fastest.",
    "Coins found in the street are turned over twice before anyone will pocket them.",
    "Fresh white paint collects the fingerprints of the whole household within a day.",
    "Interpreters at a summit speak both sides of a debate, a sentence behind, and are never "
    "allowed to win it.",
    "Passport stamps suggest adventures, though half of them mark nights spent asleep on hard "
    "station benches.",
    "Each house in a steep mountain village looks straight over the roof of the one below.",
    "The chef tasted the soup and said nothing. Everyone in the kitchen found something to scrub.",
    "Ten engines idle at a level crossing while a slow freight train goes by, wagon after wagon.",
    "Hand saws start with a few short strokes backwards; after that the wood lets them in.",
    "The burnt saucepan soaks in the sink for three days; nobody in the house volunteers.",
    "Most of what we know about ancient towns comes from their rubbish heaps, a thought that makes "
    "anyone look twice at their own.",
    "A newly sharpened chisel lifts curls of wood so easily that the carpenter looks for more to "
    "trim.",
    "Steam from the iron smells of clean cotton and the day before a journey.",
    "On a steep hill, a taxi passenger leans forward without thinking, as if that might help.",
    "A spring in a limestone cave is colder than any tap in town.",
    "A tip jar stays empty for hours and fills fast once a few coins are already in it.",
    "Two crews tunnelling from opposite sides meet in the middle within a hand's width, and the "
    "cheer carries all the way out to daylight.",
    "In a block of flats with one slow lift, the building's news travels up and down with it, one "
    "floor at a time.",
    "On a rope team, the knots get checked before the view does.",
    "Emergency dispatchers speak so calmly that the fire sounds like a weather report.",
    "Evening fog turns the familiar lane into a rumour of itself.",
    "Chess in the park is played loud and fast, watched by crowds that would have moved the "
    "knight.",
    "Pencil stubs too short to hold are kept anyway, in a jar, with the others.",
    "Peeled in one long spiral, an orange skin is laid on the table like a trophy.",
    "From a plane window the clouds look solid enough to walk on; the mind half believes it.",
    "Children on a trampoline believe, for one bright second at the top of each bounce, that they "
    "have finally escaped.",
    "Shuttlecocks in a street game end up, sooner or later, in the same tree.",
    "Spilled marbles find every corner of a wooden floor in a second.",
    "Opening a hive on a calm morning, a beekeeper hears forty thousand tiny engines idling and "
    "moves very slowly, speaking quietly, as a guest would in a crowded house.",
    "Left in the sun, a garden hose gives a first splash hot enough to make anyone yelp.",
    "Retractable tape measures snap home with a crack that makes everyone flinch.",
    "The night train carries its sleepers past towns that will never know they were there.",
    "With a good puppeteer the hand is forgotten in a minute: the sock does the talking.",
    "After a night of wind, the parked cars are all wearing the same blossom.",
    "Once a new book's spine has cracked, it falls open at that page for good.",
    "On a slope, a picnic blanket slowly delivers everything on it downhill.",
    "Steel pans are hammered into shape, so every note on them was once a dent.",
    "A long swim empties the head the way the tide empties a beach, leaving only the bright "
    "things.",
    "The office plant is watered five times one week and not at all the next three.",
    "Falling rock signs are read carefully by drivers who can do nothing at all about them.",
    "In a shared kitchen, the one clean mug is a matter of great diplomacy.",
    "A trapeze artist lets go of one bar before the other arrives, nightly, on schedule.",
    "Somewhere in each toolbox is a screwdriver that has never fitted anything.",
    "A child's pocket at the end of a beach day holds three stones, a crab claw, a ticket and "
    "enough sand to start a small beach.",
    "Tea from a flask on a windy hill tastes faintly of flask and wonderfully of hill.",
    "Scaffolding goes up in a day and stays for a year, collecting pigeons and posters.",
    "A stone hut high on the pass has a stove, a logbook and tins left by the last walkers for the "
    "next.",
    "When the cicadas stop all at once, for a moment the heat itself seems to have gone quiet.",
    "The highest town on the railway line has a station clock, one cafe and a view that makes "
    "every passenger forget their bag.",
    "Plant a bean in a jar of damp paper. Within a week a root goes down and a shoot goes up; the "
    "jar moves from the windowsill to the middle of the breakfast table.",
    "Beginners in a dance class watch their own feet while the teacher keeps saying look up, as if "
    "the floor were not the problem.",
    "Pigeons on the station platform walk onto a train, ride one stop and walk off again.",
    "Sun-warmed bricks at dusk give the afternoon back to anyone who leans on them.",
    "The sea seen from a moving bus flashes between houses like a card trick.",
    "Moving house turns up one earring, a key to nothing and a letter you were sure you had "
    "answered.",
    "A tailor's chalk lines vanish in the first wash; the good fit stays for years.",
    "Two clear liquids can look identical and disagree violently, so a lab labels everything.",
    "A crowd watching a street juggler steps back a little each time a club goes high.",
    "At low tide a rock pool holds crabs, anemones, a shrimp pretending to be sand and one serious "
    "person kneeling with a bucket.",
    "A kingfisher hits the water and is back on its branch before the ripples reach the bank.",
    "What a fuss the pressure cooker makes over a few potatoes!",
    "Glassblowers keep turning the pipe the whole time, or the soft glass sags towards the floor.",
    "Cold bathroom tiles at dawn turn the walk to the shower into a hop.",
    "Cloud shadows slide across the hillside faster than any walker, leaving no trace.",
    "Weightlifters chalk their hands, stare at the bar and seem to ask its permission.",
    "Above the shop signs, carved faces have waited centuries for a glance. Few people look up.",
    "The last bus of the night waits two minutes longer than the timetable says.",
    "A tiled floor goes down quickly until the last row, where each tile has to be cut to fit.",
    "A blunt pencil makes a rough draft of anything it writes.",
    "Coffee brought to a desk at nine is found cold at eleven, a single sip gone.",
    "Rice terraces climb the hillside in steps cut for water to walk down.",
    "By late afternoon the beach umbrellas lean in all directions, like a field after a storm.",
    "After a month of drawing one plaster foot, an art student never sees feet the same way again.",
    "The first warm day of the year brings every chair in the cafe out onto the pavement.",
    "Late at night on an empty street, your own footsteps sound like someone else's.",
    "At dawn the bakers on their way to work pass the dancers on their way home; both look "
    "pleased.",
    "Mosaics are pictures from the door and broken tiles from the chair beside them.",
    "A lizard on a warm wall stays perfectly still until the very moment you bend to look.",
    "During a head cold, soup is mostly a warm cloud rising off the bowl.",
    "The first bite of a crisp apple is loud enough to turn heads in a silent carriage.",
    "From the open door of the shop, a bicycle mechanic hears a bike go past and calls out which "
    "part needs oil.",
    "A long-distance lorry cab holds a bed, a kettle, a calendar from a cafe in another country "
    "and photographs on the visor.",
    "Plastering a wall in long sweeps looks like ironing a sheet the size of a room.",
    "One blast of the lifeguard's whistle, and the whole pool looks innocent.",
    "An architect's model comes with tiny trees, tiny people and permanent sunshine: three things "
    "the real building must manage without.",
    "A grandparent's reading glasses are left on every table in the house, each pair a little "
    "closer to the door.",
    "Stage crews dress in black so the audience can pretend not to see them moving the castle.",
    "Picked up wet on the beach, a stone dries to grey on the windowsill.",
}};

}  // namespace sagelight
