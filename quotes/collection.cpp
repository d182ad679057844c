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
    "Is there any tea? Only if you make it, says the one who loves you, already filling the "
    "kettle.",
    "The barber's mirror hears about knees and neighbours from people who never talk to strangers, "
    "while the scissors keep time.",
    "Sunken in the middle, the cake still tastes of butter and sugar: it goes first.",
    "Subtitles give away the punchline before the actor does.",
    "Night shift: breakfast at dusk, goodnight at dawn.",
    "Elephants walk almost silently, wasting a magnificent entrance.",
    "A child's first letter to a grandparent is mostly drawing. The few words in it lean on each "
    "other for support.",
    "Two people sharing an umbrella both arrive with the outer shoulder soaked, each sure the "
    "other got more.",
    "Ask a Ghanaian called Kwame which day he was born: he already told you, Saturday.",
    "Frosty mornings turn words into small clouds: at last you can see who does the talking.",
    "Jokes are the last part of a new language to arrive, long after the rude words.",
    "Dry stone walls stand with no mortar at all, stone leaning on stone; some have outlived the "
    "farms they divided.",
    "Name the ducks on the pond, and you will be back tomorrow to see how they are.",
    "Bread dough clings to the fingers until it has been kneaded enough, then suddenly lets go.",
    "Rain on tin roofs turns talk into cheerful shouting.",
    "Babies look thoroughly astonished by their own sneezes.",
    "Grandparents on video calls turn the phone to show you the cat.",
    "A basketball court at dusk: three players left, and the net still swinging from the last "
    "shot.",
    "For years the town clock's four faces each told a different time, and everyone set their "
    "watch by the face that looked towards their own street.",
    "Children outgrow the night light on no particular night.",
    "Boulderers mime the moves in the air below a climb, like conductors without an orchestra.",
    "Turbines on a windless ridge stand with arms out, like dancers who have lost the music.",
    "Drummers are remembered for the fills and hired for the plain beats between.",
    "Sunflowers in a field all face east, like a crowd that has heard the parade is coming.",
    "A jigsaw with one piece missing is finished anyway, the gap left exactly where the sky was.",
    "In a darkroom tray the paper shows nothing, then a grey ghost, then a whole family on a "
    "beach, all squinting at a photographer long gone.",
    "Leftover foreign coins collect in a bowl, each one a coffee in a city you may never see "
    "again.",
    "A kite string hums in a strong wind; hold it near your ear and you can hear the sky working.",
    "After a funeral the neighbours bring soup in every size of pot, and for once nobody asks for "
    "the pots back.",
    "Cloth lifted from an indigo vat comes out green and turns blue in the air, a change even old "
    "dyers stop to watch.",
    "A snail's silver trail maps its night out: once round the flowerpot and home.",
    "Calligraphers do not go back over a stroke, so each word is decided before the brush lands.",
    "Far out at sea on a clear night, the stars come all the way down to the water.",
    "Old maps keep ferries that stopped running years ago.",
    "Badly insulated roofs lose their snow first.",
    "Dumplings taste better when everyone at the table has folded a few of them badly.",
    "A fever breaks the way a storm does, all at once, leaving damp sheets and a rinsed new "
    "morning.",
    "In a gale the ship's cook serves curry with one hand and holds the stove with the other, and "
    "the crew still complain about the salt.",
    "No one in the building owns up to the trumpet, but each evening someone upstairs works "
    "through the same slow tune, a little better each week, and by now the whole courtyard is on "
    "their side. Occasionally a window across the yard applauds, and the trumpet tries the top "
    "note again.",
    "Poured from arm's height, mint tea lands frothing and the pourer tries not to look proud.",
    "A lullaby needs no big voice and no proper words: the singer hums whatever comes, lets each "
    "line sink like arms lowering a baby into a crib, and the baby follows it down. By verse two, "
    "the singer is yawning.",
    "An accordion sings on the in-breath and the out-breath.",
    "Wedding photographers are the only guests everybody obeys.",
    "Carried over a high pass, a sealed bag of peanuts puffs up as tight as a drum.",
    "Who knew the back of the neck could feel so much, until the haircut?",
    "A cinema after the last show: popcorn in the aisles, one glove, every seat folded up.",
    "Washing strung between two buildings flies a flag for each household: shirts, sheets and the "
    "best tablecloth.",
    "The first walk after a long illness reaches the corner and feels like a summit.",
    "Giraffes browse in sight of Nairobi's office towers, like staff who never quite come in.",
    "Above the tree line the wind has combed the grass so long that it all lies one way.",
    "Geologists lick rocks to bring out the colour; nobody on the field trip blinks.",
    "On a long train ride the same river keeps appearing on the left, a little wider each time, as "
    "if it were heading for the coast too.",
    "Mushrooms come up overnight after rain, though the ground has been working on them for weeks.",
    "The oldest building on the street was nearly knocked down twice; now it is on the postcards.",
    "Before the market opens, traders build oranges into pyramids, fold shirts into squares and "
    "hang sandals in pairs, then watch customers take it all apart.",
    "Riddles last a second for whoever knows the answer and all evening for everyone else.",
    "What are you making? A surprise. By lunchtime the surprise is in the sink, the hair and the "
    "dog.",
    "Old photographs make everyone look a little surprised to have been young.",
    "The button tin holds the last of every coat the family ever wore out.",
    "The midwife has been up all night, her supper went cold and her feet ache, but ask about the "
    "shift and she tells you the baby's weight to the gram, like good news of her own.",
    "On new ice, skaters keep near the edge and leave the middle to the ducks.",
    "Once a locksmith has opened your front door in a minute, can you ever quite trust it again?",
    "Guide dogs in harness ignore pats, sandwiches and pigeons; off duty, they want all three.",
    "Some friends, when there is nothing to say, come round and quietly wash the dishes instead.",
    "Children count on their fingers until told not to; then they count under the table.",
    "Old hands at the market still test each peach with one thumb, and the fruit seller lets them.",
    "A parcel from home arrives dented, stamped in two alphabets and smelling of somebody's "
    "kitchen.",
    "Birds on a wire space themselves out as carefully as people on a park bench.",
    "At a wake the loudest laugh usually comes from a story the one being remembered told best.",
    "Pawnshop windows hold guitars waiting for somebody's better month.",
    "Every anchor is a promise made to the mud.",
    "At a concert the back rows watch the singer on the raised phones of the front row.",
    "Retold at breakfast, dreams come apart like wet paper.",
    "At the vet's, a parrot in a box chats to the whole silent waiting room.",
    "Years later, a song playing in a shop brings someone back for three whole minutes.",
    "A child learning to read sounds out every shop sign on the way home, slowly, like a poem.",
    "A night-blooming flower on a balcony brings the neighbours out in pyjamas to watch it open.",
    "The bricklayer's string, pulled tight from post to post, is the one part of the wall never "
    "built.",
    "Heat lightning flickers over the hills all evening without a sound, like a switch being "
    "tested.",
    "Midlife: ferry children Saturday, call parents Sunday, rest at work Monday.",
    "Salt water finds each scratch on your hands and each weak stitch in the sail.",
    "Recovering from flu comes in small promotions: sitting up, toast, socks, the garden.",
    "Hot-air balloons drift in silence between roars of the burner, and each farm dog below "
    "objects.",
    "At an open-air screening the film competes with the stars overhead; by the second half the "
    "stars are winning.",
    "A key cut from a copy of a copy turns a little stiffer in the lock.",
    "A borrowed ladder returned with lemons has started something.",
    "A deaf club on a Friday night is anything but quiet: hands flying, tables thumped, big "
    "laughs.",
    "First solo trip to the corner shop: ten minutes, watched from three windows.",
    "The most photographed boat in the harbour never sails.",
    "One paper lantern on a dark balcony makes the whole street seem to be expecting someone.",
    "Pickers on steep vineyard terraces carry full baskets down slopes that would worry a mule; "
    "the grapes arrive unbruised.",
    "Years later, the family still says one word the way the late uncle always got it wrong, and "
    "grins every time.",
    "The whole family heard the baby's first word differently.",
    "Your physiotherapist believes in your knee a full week before you do.",
    "The office plant has outlived three reorganisations.",
    "Weightlifters chalk their hands, stare at the bar and seem to ask its permission.",
    "The blue dot on the phone's map is sure where you are, even when you are not.",
    "Two broke friends, one coffee, three hours of talk.",
    "Hand-pulled noodles double with each fold: two, four, eight, sixteen, and then nobody counts.",
    "Toddlers keep waving long after the car disappears.",
    "Everyone on the street knows where the spare key is hidden, including, on a good day, the "
    "person who hid it.",
    "The crust of rice stuck to the bottom of the pot is the part many families quarrel over.",
    "An upholsterer opens an old armchair and finds hairpins, a pencil stub and sixty years of "
    "crumbs.",
    "Flying west at dusk, one sunset can last for hours.",
    "In many kitchens rice water is measured to the first knuckle, and nobody needs a cup.",
    "Moving in together means two toasters, two of every spatula and one long, happy argument "
    "about which to keep.",
    "The hush before the applause is the one part of a concert the whole audience plays.",
    "Old sailors read the forecast, then believe the sky.",
    "Three dots appear on the screen, vanish and come back, and the whole evening waits on them.",
    "Sourdough starters get fed like pets, named like pets, and left with neighbours like pets.",
    "An observatory dome opens at dusk like a great eyelid on the cold sky.",
    "Weather balloons rise until the thin air swells them to bursting, their little radios "
    "reporting all the way up.",
    "Dominoes in the square are slapped down so hard that the table is part of the game.",
    "In the sewing box, the darning mushroom has outlasted every sock it ever mended.",
    "When a brass band squeezes down a narrow street, windows open one by one and the tuba sets "
    "the spoons humming.",
    "Friends who sign can chat across a crowded room, or through a window, mouths full.",
    "Old friends at a reunion recognise each other's laugh long before they place the face.",
    "Some friends listen the way a cat sits in the sun: wholly, and with no plans for later.",
    "After midnight, the noodle stall keeps the taxis company.",
    "Drawn carefully, the shadow under an apple is what sets it down on the table.",
    "A nervous speaker's hands shake on page one and conduct by page three.",
    "Homesick travellers read labels in foreign supermarkets just to find one familiar word.",
    "Stage crews dress in black so the audience can pretend not to see them moving the castle.",
    "Grandfathers teach card games and cheat only to lose.",
    "Which steps of the old staircase creak, and where to tread to miss them, is the first thing a "
    "teenager in the house learns by heart.",
    "The ramp by the library steps was built for wheelchairs; by noon it has also carried two "
    "prams, a cello case, a trolley of books and a toddler who insisted on going up twice.",
    "Street food tastes best eaten standing up, with the cook watching to see your face.",
    "A weather vane on a still day points wherever the last wind happened to leave it.",
    "Ask an astronomer why stars twinkle and planets mostly do not, and clear your evening.",
    "At the end of the month the cupboard meals get creative: rice, one egg and a grand name for "
    "it.",
    "Milking starts at five on a dairy farm, birthdays included; the cows see no reason to discuss "
    "it.",
    "Four clicks of the drumsticks, and the quarrel from the van is put off until the song ends.",
    "Dawn bird count: the best news is a number like last year's.",
    "The dawn call to prayer crosses the rooftops before any alarm clock rings.",
    "The detour round a flooded road takes the school bus past fields nobody on board has ever "
    "seen.",
    "Bruises go purple, then green, then yellow before they let you forget the table leg.",
    "What is it about a grandparent's kitchen that lets you open the fridge without asking?",
    "The high board is mostly ladder: a slow climb, a long look, a second and a half of air.",
    "Fear of the dark turns a bathrobe on the door into a tall visitor; the light turns it back.",
    "A snoring dog makes any room feel safe.",
    "Night markets bloom at dusk in a square that spends all day pretending to be ordinary.",
    "The coin jar gets counted twice in a thin month and comes to bus fare both times.",
    "The timetable at a country bus stop is mostly blank space, with one hopeful column at dawn.",
    "At dawn a woodpecker drums on a metal gutter, having found the one branch in town that rings.",
    "Retirement gives back all the hours, but takes away the excuse for leaving the party early.",
    "Painting on the inside of a shop window, the sign writer letters every word backwards, so "
    "that from the street it reads the right way round.",
    "Which twin is older, everyone asks, and the answer becomes a small ceremony.",
    "Astronomers on a mountain work all night in thick coats, catching light from far galaxies, "
    "light older than the Earth, then go to bed as the valley wakes.",
    "Cold mornings: the compost heap steams like a horse.",
    "The tongue keeps visiting the gap of a pulled tooth, like a hand checking a locked door.",
    "They met on an app, and after ten years they still argue about who wrote first.",
    "Asking for more money takes three rehearsals in the mirror and ninety seconds in the office.",
    "Pencilled margins let library readers bicker across the years.",
    "At four in the morning a hospital hums quietly: a vending machine glows, a porter whistles "
    "down a corridor, a nurse laughs softly at the desk over a cold tea.",
    "After climbing all night to a summit, everyone turns round at sunrise to look at the tired "
    "faces it has lit.",
    "At the festival the dragon's head gets the photographs; its middle gets the dust.",
    "The child who is afraid of the sea holds a hand, then a finger, then nothing at all.",
    "Campfires pull the chairs closer as the night cools.",
    "Pianos carried up four flights of stairs often want a tuner at the top; the movers want a "
    "chair.",
    "A fridge magnet props up a young artist's career.",
    "The smallest child in the class sings the solo, and the whole hall holds its breath with her.",
    "Cutting a friend's hair on the balcony keeps two people still and talking for an hour.",
    "The window cleaner on the fortieth floor watches a hundred meetings with the sound off.",
    "The waiting-room clock ticks on, and a stranger's toddler befriends the whole row.",
    "Leave the hall light on: somebody small may need it at three in the morning.",
    "A home carer arrives at eight with the key, the shopping and yesterday's crossword clue.",
    "Every choir has one voice a little too loud, and it is never the singer's own.",
    "Far from any fault line, a seismograph suddenly scribbles: an earthquake on the other side of "
    "the world, arriving through the rock about twenty minutes later.",
    "Ships leave harbour slowly, like travellers patting their pockets at the door.",
    "Home from hospital, the first night in your own bed feels like a luxury hotel built for one.",
    "Moored boats swing together, bows to the wind or the tide, whichever is winning.",
    "When the power fails, the family, phones dark, gathers at the window to watch the storm.",
    "An honesty box at a roadside stall collects coins, buttons and, once, a note of apology.",
    "Marathon crowds save some of their loudest cheers for the last runners, out there longest.",
    "The tailor reached for the tape. The customer breathed in and held it, all the way to the "
    "hem.",
    "At the fire station the boots wait by the engine, trousers bunched over them, ready to be "
    "stepped into.",
    "Cooks at a wok over a fierce flame toss the food higher than seems wise and lose none.",
    "How much braver a cat is with a closed window between it and the dog next door!",
    "Water left by the bed overnight grows tiny bubbles on the glass, a champagne nobody ordered.",
    "The birds test the figs a day before the gardener, leaving a bite in each as a receipt.",
    "Upside down on the ceiling above dinner, a gecko strolls past, unbothered by the faces below.",
    "Whoever shuffled last is blamed for every bad hand.",
    "Messages from the far side of the world arrive overnight; morning opens with someone's "
    "evening.",
    "Metro maps straighten every river and shrink every walk.",
    "Pitched in the dark, a tent shows by morning exactly where the rock under it was.",
    "When the mango tree in the yard fruits, half the street finds a reason to stop by the gate.",
    "Key in the door at dusk, and the dog has already told everyone.",
    "Lie under a tall tree: the top sways, the trunk holds still, and for once so do you.",
    "A potter's first bowl usually leans a little; somebody in the family still eats porridge from "
    "it every winter.",
    "Sawdust in a friend's hair at dinner means the shelves are finally up.",
    "An empty stadium after the match sounds like a seashell held up to the ear.",
    "Fencing masks turn a bout into quarrelling beekeepers.",
    "After the dentist, a numb lip makes every sip of coffee a matter of careful aim.",
    "Knitting needles keep count through films and gossip, losing it only when asked how many "
    "rows.",
    "The first grey hair is plucked, the fiftieth forgiven.",
    "Two people humming one tune on a long walk drift into different keys; neither gives way.",
    "From a plane at night, a city is spilled gold thread, and one of those tiny knots is home.",
    "The hall cupboard fills up with everything that has no home of its own: a bicycle pump, a "
    "sewing machine, two lamps and a box labelled odds.",
    "A ship in a bottle is built lying down, masts folded flat; once it is inside, a thread pulls "
    "them upright and the builder breathes out at last.",
    "A year on, a favourite coat finds a new owner in the family, and the sweets are still in its "
    "pocket.",
    "Wet footprints on a hot stone path vanish while you are still looking back at them.",
    "Outside the mosque the shoes wait in rows; the children's pairs always wander apart.",
    "The heron stands still in the shallows for an hour and calls it fishing.",
    "A good librarian can find the book you need from a vague memory of its cover and a guess "
    "about the author's hat, then fetch a second one, just in case.",
    "A stew forgives a late guest, but a custard forgives no one.",
    "Hand-me-downs arrive with someone else's elbows already worn in.",
    "Phone screens light the faces blue on the last train home, a row of small moons.",
    "Three hours into a mountain bus ride, the driver's music belongs to everyone, and the "
    "passengers know the chorus.",
    "For months in a new home, the hand reaches for light switches where the old place had them.",
    "Courage at the dentist is mostly a hand gripping the chair and a very interesting ceiling.",
    "Handwoven cloth shows the weaver's days in its tension: a tight row, a loose one, and a row "
    "where the cat once sat on the warp.",
    "Hide and seek ends when the seeker goes in to eat; the best hider is still behind the curtain "
    "at dark, undefeated and a little hungry.",
    "At seven in the morning the oldest swimmer at the outdoor pool is first in and last to "
    "complain.",
    "Night does not fall everywhere at once; it sweeps westward over oceans and cities like a "
    "slow, enormous broom.",
    "When one firework goes up on an ordinary night, the neighbours wonder what was won.",
    "Ropemakers once walked backwards all day down very long sheds, paying out fibre from the "
    "waist, and covered many miles without going outside.",
    "What makes the sky blue? The physicist starts on scattered light; the child has moved on to "
    "worms.",
    "A teenager cooks the family dinner for the first time: every pan used, every grain eaten!",
    "Leaving home, the youngest takes the good pan and swears to bring it back.",
    "At a village wedding the cooking starts two days early, the chairs are borrowed from three "
    "streets, and by midnight nobody knows whose plates went home with whom.",
    "Window frost draws ferns; a warm thumb draws a spyhole.",
    "Back from a trip, you find the desk chair lower, and nobody in the house admits to touching "
    "it.",
    "In a heatwave the shade walks round each tree all day, with the fruit seller's cart "
    "following.",
    "A crumpled page keeps trying to open itself.",
    "Mumbai's lunch carriers cross the city with home-cooked meals by bicycle and train, and the "
    "tin that comes home empty is the cook's review.",
    "How quickly a house fills up again when the one who was away walks in!",
    "After snow, the first footprints across the square are followed by everyone, wobbles and all.",
    "Onions frying three floors up tell the whole stairwell what is for dinner.",
    "Words written in the steam on a bathroom mirror come back, faintly, with the next hot shower.",
    "Halfway through a long flight the cabin lights dim, leaving a scatter of reading lamps like a "
    "village seen from a hill.",
    "A school corridor smells of floor polish on the first day and of wet coats by the end of the "
    "week.",
    "Bead curtains announce every visitor with a little rain.",
    "Old street names keep trades that left long ago, so accountants now work on the street of "
    "tanners.",
    "Headphones on a crowded train build a small private room with no walls and no door.",
    "Dropped at school on the first day, the child walks in without looking back; the parent stays "
    "at the gate for ten minutes, just in case.",
    "A child who has just learned to whistle whistles at everything, all day, for weeks.",
    "Hanoi breakfasts on tiny plastic stools at the street's edge; a tall visitor folds like a "
    "deckchair.",
    "Muddy to the knees and grinning, cross-country runners come in as if they had won the mud.",
    "Birthday money: two laps of the toy shop, then the first thing seen.",
    "Tram bells in a busy city say excuse me in all the languages the city speaks.",
    "Teenagers who will not be seen with their parents in town still call for a ride home at "
    "midnight.",
    "How does a newborn already know to grip a finger so hard?",
    "The all-night pharmacy glows on the corner like a small lighthouse for the sleepless.",
    "At a ninetieth birthday the youngest and oldest both nap through the speeches.",
    "Clothes laid out for the morning are a flat person ready to become you.",
    "On Friday evening the candles are lit, and the whole week sits down at the table.",
    "On grey days, a bowl of lemons does the work of a lamp.",
    "Seaweed that looks like litter on the sand becomes a forest the moment the tide comes in.",
    "At three in the morning the street sweepers have the city to themselves, and some of them "
    "sing.",
    "A game of football in the street pauses politely for every passing car, then resumes "
    "mid-argument.",
    "Moored boats swing together, bows to the wind or the tide, whichever is winning.",
    "A full glass on a moving train keeps its own small storm all the way to the last stop.",
    "A greenhouse on a cold day holds a pocket of summer that the gardener finds reasons to visit.",
    "Tightrope walkers keep their eyes on the far platform, and the crowd looks down for them.",
    "Table for one: best seat, whole cake, nobody's elbows.",
    "On its lowest setting, a ceiling fan slows a hot afternoon to the speed of a long thought.",
    "After forty years they still argue over the map and still save each other the last bite.",
    "A friend who helps you move house has earned a key, a meal and first refusal on the armchair.",
    "A flower pressed in a dictionary falls out years later at a word nobody remembers looking up.",
    "Some street dogs cross with the crowd at the lights, looking just as late for work.",
    "Two people reading in the same bed turn their pages at different moments and are perfectly "
    "happy.",
    "Grandparents' coat pockets hold mints, tissues and a spare coin for whoever needs it.",
    "Hopscotch squares chalked outside the school last until the rain, and even hurried adults hop "
    "one.",
    "One candle in a blackout shrinks the room to a circle of faces.",
    "With a prism on the windowsill, a rainbow crawls along the wall each afternoon.",
    "Clearing a parent's desk, you find all your old school reports, kept in order, with the good "
    "bits underlined.",
    "A shopper knocks on a watermelon, then nods gravely at the answer.",
    "Karaoke keeps courage and pitch in separate pockets.",
    "When a balloon slips from a child's hand, everyone nearby watches until it is a dot.",
    "Museum guards who stand all day beside one painting will tell you what it is really about.",
    "Out in the Australian bush the weekly mail plane lands on a dirt strip, and whoever meets it "
    "drives home with letters, spare parts and news from three stations away.",
    "An oasis garden has three floors: date palms on top, fruit trees in their shade, vegetables "
    "in the shade of both, all watered by a channel shared by the hour.",
    "Snow hushes a town the way a palm laid on a drum hushes the drum.",
    "Wood shavings on a workshop floor smell different for each tree they used to be.",
    "A thunderstorm at night lights the bedroom like a photographer who forgot to ask.",
    "A notebook kept in the glove compartment records fuel, distances and, once, in a different "
    "hand, a phone number with no name.",
    "A retired carpenter still runs a thumb along the edge of every table he eats at.",
    "Driftwood comes ashore smooth and pale, with no telling which forest it left or how many "
    "years it spent at sea.",
    "The sign on the trail said two hours to the waterfall. It was right about the waterfall.",
    "A cello in a taxi gets the back seat; its owner rides in front like a chauffeur.",
    "First wages are spent three times in the head before they reach a single shop.",
    "Somewhere in their forties, old school friends stop comparing jobs at reunions and start "
    "comparing knees, parents and plumbers, and have never had more to say.",
    "Swimmers about to cross a cold lake talk a lot on the shore and not at all in the water.",
    "Card tricks fool the adults at the table, never the child watching from underneath.",
    "A Colombian juice seller names fruits most visitors have never heard of, offers a sip of each "
    "and blends whichever one they cannot pronounce.",
    "Love at fifty: fifteen again, but with earlier nights.",
    "One day the child who held your hand to cross the road starts holding it for your sake.",
    "Shy children spend the party behind a parent's leg and the last ten minutes refusing to "
    "leave.",
    "Get-well cards drawn by children show the patient in bed, enormous and smiling, under a "
    "yellow sun.",
    "Weaving through rush-hour traffic, a tiny scooter shows more nerve than the van beside it and "
    "gets there first.",
    "Left-handed writers carry the day's words in blue along the side of the hand.",
    "At ninety she does the crossword in pen and sniffs at the easy clues.",
    "In an eight the rowers face backwards and trust the one person facing forwards: the cox.",
    "Ask the oldest person in the village the way, and you will hear who used to live on every "
    "corner.",
    "The day the cast comes off, the arm underneath is pale and thin and very pleased to see you.",
    "Paint chosen from a tiny card comes out twice as bold once it covers the wall.",
    "The moon has been visited, measured and photographed from every side, and people on doorsteps "
    "still point it out to each other as if it were new.",
    "Welders look at the world through a dark window and see one small, fierce, bright star.",
    "Your own name sounds lovely in somebody else's accent.",
    "Roller skates on a quiet street at dusk: the sound arrives long before the skater.",
    "Stuck in traffic, half the drivers sing and the rest pretend they were not.",
    "Heat makes the city's tar soft, its dogs flat and its fountains public baths.",
    "At six, bravery is putting your whole face underwater.",
    "Cashiers know regulars by their shopping, rarely by name.",
    "What do you want to be when you grow up? This week, a bus.",
    "Leafcutter ants carry their leaves overhead like a parade of tiny green sails.",
    "A friend calls after three years and opens with the punchline of a joke you both remember.",
    "Living alone, you talk back to the radio, thank the delivery driver, know the street's cats "
    "by name and eat breakfast at whatever hour you please.",
    "First school day: last term's sleeves stop short of the wrist.",
    "Toddlers invent a grammar of their own and apply it more strictly than any textbook.",
    "Flatbread slapped on a clay oven's wall clings and blisters until the baker hooks it out.",
    "With new glasses the far tree has leaves again. Nobody noticed it had become a green cloud.",
    "Cooking for one still makes enough for the neighbours.",
    "Night buses carry nurses, bakers, cleaners and one person asleep with a birthday balloon.",
    "Mate goes round a circle of friends in Buenos Aires, one gourd refilled for each in turn, and "
    "saying thank you means you have had enough.",
    "A busker's open case fills with coins, a sandwich and, one day, a child's drawing of the "
    "busker.",
    "Willow baskets are woven wet and sold dry, creaking for the rest of their lives.",
    "A cake baked from a late grandmother's card comes out slightly wrong, just the way hers "
    "always did, and everyone agrees it is perfect.",
    "Has any lifejacket ever looked dignified in calm weather?",
    "The guest's story ran so long the kettle boiled and cooled twice. Nobody wanted to get up.",
    "Up on the rooftops lies a second town of water tanks, satellite dishes, washing lines and a "
    "chair for watching sunsets.",
    "Public fountains in summer are full of feet by noon and full of coins by night.",
    "A bus coming round the corner in the rain is the most hopeful sound a street knows.",
    "A drop of honey falls in a slow rope and coils on the toast before it lets go.",
    "A drop of ink in a glass of water blooms into smoke, then galaxies, then the veins of a leaf, "
    "and then, all at once, just pale blue water.",
    "Knots tied by an old sailor look simple, hold through a gale and come undone only when asked.",
    "Mud on a child's boots keeps a record of everywhere they were told not to go.",
    "Snow falling at night makes the streetlights look busy.",
    "A coat left on a chair keeps the shape of its owner's shoulders for an hour.",
    "Cities have more hills by bicycle than by car; cyclists have met each one personally.",
    "A canyon answers a shout a moment later, in your own voice but a little less sure.",
    "In the early afternoon heat the town shuts its eyes; one motorbike sounds like a parade.",
    "Asked why a drawer glides, a cabinet maker will talk for an hour about a hair's width of "
    "wood.",
    "A chemistry teacher's eyebrows report on every experiment.",
    "At midnight the bridge lights shine twice, once in the air and once, wobbling, in the river.",
    "The floor of a rehearsal room is covered in tape marks from a dozen forgotten plays.",
    "Cobblestones make a wheeled suitcase sound like a train.",
    "When a train in Japan runs late, the station hands out slips that passengers can show at "
    "work.",
    "Istanbul's tea runners swing full trays through the bazaar and spill nothing but gossip.",
    "A sundial in the shade of the tree that grew up beside it tells no time at all.",
    "The drawing was signed in crayon. Fifty years on, someone still asks the artist why the sky "
    "is purple.",
    "Ice cream in a heatwave runs down the cone, the wrist and the elbow, in that order.",
    "Nervous? No, says the first-time flyer, gripping both armrests and, by landing, a stranger's "
    "hand.",
    "A spinning top looks stillest when it spins fastest.",
    "Stuck in a Lagos go-slow, you can buy bread, a phone charger, cold water and a steering-wheel "
    "cover without leaving your seat.",
    "A cracked phone screen is carried for months and read through like a rainy window.",
    "Interpreters carry every argument a few seconds late and never win one.",
    "Passport stamps look like adventures; their owner remembers the long waits and one excellent "
    "sandwich.",
    "Old school friends spot each other in arrivals, and the whole hall turns to see who won.",
    "The chef tasted the soup and said nothing. Everyone in the kitchen found something to scrub.",
    "Dinner in Madrid can start at ten at night, and the youngest at the table is the last to "
    "yawn.",
    "Hand saws start with a few short strokes backwards; after that the wood lets them in.",
    "Good receptionists know the birthdays and which lift sulks.",
    "Archaeologists learn plenty from a town's rubbish heaps, so your broken mug may yet be "
    "famous.",
    "A newly sharpened chisel lifts curls of wood so easily that the carpenter looks for more to "
    "trim.",
    "Steam from the iron smells of clean cotton and the day before a journey.",
    "Climbing a steep hill, a taxi passenger leans forward without thinking, as if that might "
    "help.",
    "Nordic babies often nap outdoors in winter, bundled to the nose and watched through the "
    "window.",
    "Parents hear a child's cough through two closed doors.",
    "Tunnellers boring towards each other through a mountain for years can meet a hand's width off "
    "line.",
    "A lit window high in a dark office tower means someone else is awake, and somehow that helps.",
    "Roped together on a glacier, climbers check each other's knots before anyone looks at the "
    "view.",
    "Emergency dispatchers make fires sound like weather reports.",
    "Evening fog turns the familiar lane into a rumour of itself.",
    "Chess in the park is played loud and fast, watched by crowds that would have moved the "
    "knight.",
    "Write the date on the jar, or by spring the jam is a mystery.",
    "Peeled in one long spiral, an orange skin is laid on the table like a trophy.",
    "Hospital visitors whisper as though the flowers were sleeping.",
    "Children on a trampoline believe, for one bright second at the top of each bounce, that they "
    "have finally escaped.",
    "Who is braver: the child at the top of the slide, or the parent at the bottom?",
    "Sun-warm tomatoes seldom survive the walk to the kitchen.",
    "Opening a hive on a calm morning, a beekeeper hears forty thousand tiny engines idling and "
    "moves slowly, speaking softly, like a guest in a crowded house.",
    "From an aeroplane a rainbow can be a full circle: the ground was hiding the rest.",
    "Warm the teapot first: anyone who has poured tea for fifty years will tell you so, twice.",
    "The night train carries its sleepers past towns that will never know they were there.",
    "With a good puppeteer the hand is forgotten in a minute: the sock does the talking.",
    "After a windy night, the cars parked under the cherry tree wear its blossom.",
    "One more chapter, says the midnight reader, meaning four.",
    "Spread on a slope, a picnic blanket slowly delivers everything on it downhill.",
    "Steel pans are hammered into shape, so every note on them was once a dent.",
    "After a long swim, every thought has been rinsed and put back in a different order.",
    "The night before a new shop opens, its owner rearranges the window seven times.",
    "Mexico City's sweet potato carts carry a steam whistle, and when its long note comes down the "
    "street at dusk, the whole block knows dessert is near.",
    "Shared kitchens have one clean mug, and who gets it is a matter of diplomacy.",
    "A trapeze flyer lets go of the bar before the catcher's hands arrive, nightly, on schedule.",
    "Spare room, nursery, teenager's den, spare room: twenty years.",
    "A child's pocket after a day at the beach holds three stones, a crab claw and enough sand to "
    "start a small beach.",
    "Tea from a flask on a windy hill tastes faintly of flask and wonderfully of hill.",
    "Scaffolding goes up in a day and stays for months, collecting pigeons and posters.",
    "Spin an egg, stop it with a finger: a raw one starts turning again.",
    "When the cicadas stop all at once, for a moment the heat itself seems to have gone quiet.",
    "The highest station on the line: one clock, one cafe, a view worth missing a train for.",
    "Plant a bean in a jar of damp paper with a child. Within days a root goes down and a shoot "
    "goes up, and for a week that bean is checked more often than any phone in the house.",
    "Look up, says the dance teacher, to beginners sure their feet will vanish if nobody watches "
    "them.",
    "Now and then a pigeon walks onto a train, rides one stop and walks off again, like a regular.",
    "Sun-warmed bricks at dusk give the afternoon back to anyone who leans on them.",
    "The sea seen from a coast road flashes between houses like a card trick.",
    "Moving house turns up a key to nothing and a letter you were sure you had answered.",
    "Asked if they need a bag, the customer says no and carries nine things to the car in a hug.",
    "Sunday in Samoa means white church clothes and an earth oven lit before the first hymn, and "
    "by the last hymn nobody is thinking about the hymn.",
    "A crowd watching a street juggler steps back a little each time a club goes high.",
    "At low tide a rock pool holds crabs, anemones, a shrimp pretending to be sand and one serious "
    "person with a bucket.",
    "A kingfisher hits the water and is back on its branch before the ripples have settled.",
    "At an Ethiopian coffee ceremony the beans are roasted as the guests watch, the smoking pan is "
    "carried round for everyone to breathe in, and the coffee is poured three times, so nobody "
    "rushes off.",
    "Glassblowers keep turning the pipe the whole time, or the soft glass sags towards the floor.",
    "A congregation that cannot hold a tune still holds a hymn, a little behind the organ.",
    "Cloud shadows cross a hillside faster than any walker.",
    "Among the sympathy cards, the one read most often tells a small story about the person that "
    "nobody in the family had heard.",
    "Look above the shopfronts: carved stone heads have been pulling faces at passers-by for a "
    "century.",
    "Sometimes the last bus of the night waits for a runner at the corner, and the passengers "
    "cheer as the doors open.",
    "A tiled floor goes down quickly until the last row, where each tile has to be cut to fit.",
    "Plain toast after a stomach bug: has anything tasted better?",
    "Learning to drive at fifty, a parent finds the child in the passenger seat is the calm one.",
    "Rice terraces climb the hillside in steps, each one cut so the water can walk down slowly.",
    "By late afternoon the beach umbrellas lean in all directions, like a field after a storm.",
    "After a month of drawing one plaster foot, an art student never sees feet the same way again.",
    "The first warm day of the year brings the cafe's chairs out into the street.",
    "Late at night on an empty street, your own footsteps sound like someone else's.",
    "At dawn the bakers on their way to work pass the dancers on their way home; both look "
    "pleased.",
    "Mosaics are pictures from across the room and broken tiles from up close.",
    "Good neighbours take in parcels, letters, cats and worries.",
    "During a head cold, a bowl of soup is mostly a warm cloud that you breathe rather than eat.",
    "One of them always has cold feet in bed, and the other stopped pretending to mind years ago.",
    "From the open door of the shop, a bicycle mechanic hears a bike go past and calls out which "
    "part needs oil.",
    "In many Hindu temples worshippers ring a bell on entering, like a guest announcing "
    "themselves.",
    "Plastering a wall in long sweeps looks like ironing a sheet the size of a room.",
    "One blast of the lifeguard's whistle, and the whole pool looks innocent.",
    "An architect's model comes with tiny trees, tiny people and permanent sunshine: three things "
    "the real building must manage without.",
    "Forty-two, and Grandma's card still holds a banknote.",
    "On the hard anniversary a friend calls to talk about nothing much, and both of them know why.",
    "Picked up wet and shining on the beach, a stone dries to plain grey on the windowsill.",
}};

}  // namespace sagelight
