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
    "A garden is a conversation with the weather that never quite ends and is never quite won.",
    "You cannot hurry a tulip by tugging at its leaves, however fine the weather.",
    "A cake that sinks in the middle still tastes of the butter and the sugar.",
    "A full larder is a quiet comfort in a cold week, and a shared one is a warmer comfort still.",
    "A gate left open on the hill lets out the sheep and lets in the trouble.",
    "The first warm day of spring makes everyone a gardener for an afternoon.",
    "Children build sandcastles knowing perfectly well that the tide will come, and they build "
    "them anyway with great care and great joy. There is much to learn from them about any work.",
    "The lighthouse does not chase the ships to warn them; it "
    "simply stands where it is and keeps its lamp burning all night.",
    "A good conversation is a walk taken side by side, not a race to the gate.",
    "The mountain path is steepest just below the ridge, which is "
    "exactly where most walkers decide the summit is not worth it.",
    "The truth is a plain coat with no fancy buttons, "
    "but it fits in every weather and never wears out.",
    "A warm cup handed to a cold friend says more than a long letter.",
    "A young tree bends easily and an old tree stands firm, and "
    "a good forest needs plenty of both kinds to weather a storm.",
    "Habits are the paths we wear across the lawn of our days without ever deciding to.",
    "If you must carry a grudge up the mountain, do not be surprised when "
    "the climb takes twice as long and the view looks smaller at the top.",
    "Nobody ever regretted going to bed an hour early, though many regret the hour they stayed up.",
    "A small fire tended well warms more than a great blaze left to itself.",
    "Clocks measure the hours faithfully, but only people can decide how to spend them.",
    "The town clock was always five minutes slow, and instead of mending it, "
    "the whole town wisely learned to be five minutes early for everything.",
    "Advice is easy to give and hard to take, like medicine or a cold bath.",
    "Birds build nests one twig at a time, and so does everyone who builds a home.",
    "A grudge is a heavy stone carried a long way for no reason anyone can remember.",
    "Do not judge a road by its first mile, nor a friend by their first "
    "impression, nor a soup by its first spoonful before the pot has been stirred.",
    "Bridges are built by people who believe the other bank is worth reaching.",
    "At the Saturday market, the loudest stall rarely "
    "has the freshest fruit or the fairest prices.",
    "Winter teaches the value of a dry log, a full larder and a neighbour with a shovel.",
    "Good friends are the relatives we collect along the way, one shared table at a time.",
    "A hat keeps the rain off your head, but not the worry out of it.",
    "The old remember the weather of their youth better than yesterday's.",
    "Old tools carry the shape of the hands that used them, and a new owner "
    "learns a great deal by noticing where the handle has worn smooth.",
    "A mouse in the larder is a small problem that grows a little larger every night.",
    "The attic holds the past, and the cellar holds the jam; both reward a visit.",
    "Rivers are roads that carry their own travellers and never charge a toll.",
    "An old map is still a fine thing to own. Half its roads have moved and its rivers have "
    "changed their minds since it was drawn, but it still shows where people once hoped to go.",
    "Clouds are only the sky thinking things over.",
    "A pot of tea shared at the kitchen table is the only meeting at which everyone agrees.",
    "An honest day's labour in the open air makes even a narrow, lumpy bed feel wide and soft.",
    "The first loaf an apprentice bakes is always flat and pale, and every "
    "master baker in the land remembers exactly how that first loaf tasted.",
    "Build a boat slowly. Choose seasoned timber felled in winter, when the sap has withdrawn, and "
    "store it beneath the barn roof for a year. Steam every rib, fasten the planking and caulk the "
    "seams by hand. Then await a windless morning, summon the neighbours and launch her together.",
    "A wallet fills slowly, one coin at a time, and empties in a single careless afternoon.",
    "Plant the beans when the soil is warm, water them in the evening, and "
    "keep the slugs at bay. The pods will come in their own time, and there "
    "will always be far too many, so make friends with your neighbours.",
    "Rest is part of the work, just as the breath between phrases is part of the song.",
    "A spider's web is rebuilt each morning without a single word of complaint.",
    "Coffee in the morning is a promise, and coffee at midnight is a mistake.",
    "Haggling at the market is a dance in which both partners pretend not to care.",
    "Courage is a muscle that grows with every small thing you dare to lift.",
    "A good neighbour lends you the ladder, holds the bottom steady while "
    "you climb, and never once mentions the gutter you dropped on his roses.",
    "The pillow is the best adviser for a hasty decision, and it never charges a fee.",
    "Good advice is like good bread. It is best when fresh, better still when shared, "
    "and nearly useless when it is thrown at someone from across the room in a temper.",
    "A wall is only as strong as its weakest stone and its laziest mason.",
    "Honesty is not always comfortable, but it is like a good "
    "mattress: after a while you cannot sleep well on anything else.",
    "Maps show the roads faithfully, but they never show the puddles.",
    "A forest is made of single trees, each one growing on its own schedule.",
    "A stopped clock is still honest about one thing: it has given up.",
    "Hold the door for the stranger; one day the stranger will be you.",
    "A good answer is often just a good question that has been turned around.",
    "Do not mourn the old boat that was sold. Think instead of the new owner out on the water "
    "this bright morning, learning all the small secrets of the tiller and the sheets for himself.",
    "Time spent with the old is never wasted, because they carry "
    "the maps of roads that no longer appear on any printed page.",
    "An oven heated too fast burns the crust and leaves the middle raw.",
    "Rain drumming on a tin roof sounds like trouble to the traveller on "
    "the road and like a lullaby to the one who is safe and dry underneath.",
    "Good bread needs flour, water, salt and time, and only the first three are cheap.",
    "An iron pan remembers every careless scrubbing, and it punishes the next omelette.",
    "A sharp knife is safer than a blunt one, because it goes where you mean it to.",
    "A horse led gently to water drinks sooner than one that is dragged.",
    "An inheritance spent within a year was never really inherited, only briefly borrowed.",
    "A good night's sleep settles more quarrels than a long night's argument.",
    "Climb slowly and steadily and the mountain will show you far more of itself.",
    "A dog that barks at every passing cart is hoarse when the thief arrives.",
    "An honest shopkeeper gives the right change to the child and the "
    "old man alike, and the whole street learns to trust the scales.",
    "A letter written by hand is kept in a drawer; a message typed in haste is lost by evening.",
    "Boasting is a loud bell with a cracked rim.",
    "Washing-up left overnight is somehow twice as heavy and half as cheerful in the morning.",
    "Dreams are the mind tidying its cupboards while the house is asleep.",
    "A cobbler's own shoes may be worn, but every pair he mends walks out of his shop with pride.",
    "Patience is letting the kettle boil without lifting the lid every minute.",
    "A child's simple question at the breakfast table "
    "can stop the most learned person in their tracks.",
    "A guest who stays three days becomes a second pair of hands or a second worry.",
    "Work finished badly is seldom finished for long; it comes back, usually on a holiday.",
    "Sunday afternoons were invented for long lunches and even longer naps.",
    "Gratitude is the habit of noticing the bread before complaining about the butter.",
    "A sailor who curses the wind has forgotten who fills his sails.",
    "The tool in your hand is worth more than the catalogue on the shelf.",
    "The slow river still reaches the sea, and it sees more of the country on the way.",
    "The blackbird on the chimney sings to the whole street and asks nothing for the concert.",
    "A moment of silence after a hard word gives the word, and its speaker, time to be sorry.",
    "The friend who mentions the spinach in your teeth is worth ten who smile politely.",
    "The kettle is the heart of a cold house in winter and its conscience on a long night.",
    "Honesty may lose a sale now and then, but it keeps the shop open.",
    "A pencil with an eraser admits that mistakes will happen, and it plans for them.",
    "A grey morning often hides a golden afternoon in its pocket, so do not cancel the picnic.",
    "A student who is never confused is probably not learning anything new "
    "at all, only rehearsing, very neatly, what they already knew last year.",
    "The lighthouse keeper never meets most of the sailors he has kept off the rocks.",
    "Early risers hear the birds rehearse before the rest of the world wakes for the concert.",
    "A nurse's quiet hand on a shoulder can do what no medicine in the cabinet will.",
    "Tides make no appointments, yet in all these years they have never missed one.",
    "A good teacher lights the lamp and then steps back from it.",
    "A purse that never opens makes very few friends, and keeps even fewer.",
    "Courage is only fear that has finished tying its bootlaces and opened the front door anyway.",
    "A net with one hole loses nearly as many fish "
    "as a net with ten, so mend the first hole today.",
    "A cake that fails still teaches the baker exactly how hot the oven really runs.",
    "A fence is friendly only when both sides agree where it stands.",
    "The wise traveller carries a spare pair of socks, a little "
    "bread, a little patience and no opinions about the local food.",
    "The potter learns more from the pots that crack than from the ones that sell.",
    "A warm coat left in the cupboard is no use at all on the cold hill.",
    "A loaf baked at home fills the house with a smell "
    "that no shop can sell and no guest can resist.",
    "A bargain you did not need is the most expensive thing in the shop.",
    "Generosity often grows best in soil that has known some hardship and a lean winter.",
    "A train that has left the station will not come back for your apologies.",
    "The miller grinds whatever corn is brought to his door, and he judges "
    "each farmer by the weight of the sacks, not the length of the speeches.",
    "Money lent to a friend is too often repaid with "
    "the friendship itself, so lend with open eyes.",
    "An owl says very little all night and still sees more than the whole farmyard.",
    "Stack the firewood before the first frost, not on the evening you find the basket empty.",
    "The straight road is quicker, but the winding road has the views.",
    "Love is the quiet work of remembering how someone takes their tea.",
    "A warm bowl of soup given to a hungry neighbour on a cold night is "
    "remembered long after a great feast for the rich has been forgotten.",
    "Bread rises in its own good time, however loudly the baker sighs and however often he peeks.",
    "A boat with a steady hand at the tiller fears the wind less than one with a loud captain.",
    "Listen until the other person has truly finished, and you will hear the part that matters.",
    "Poetry is ordinary words that have been asked to stand very still and listen.",
    "Wait for the paint to dry before you hang the "
    "picture, and for your temper to cool before you speak.",
    "Milk spilt in the kitchen is cleaned with a cloth, not with tears.",
    "The first step onto the ice is the bravest; the second is merely careful.",
    "The sea has drowned many fine boasts, and it keeps them all "
    "at the bottom, among the anchors of ships that did not listen.",
    "Home is the place where your coat knows its own hook and the stairs know your step.",
    "Learn your neighbour's name before you need to borrow his ladder.",
    "The door you slam tonight is the door you must open in the morning.",
    "A fresh loaf on the table makes even a plain meal of soup and cheese into a feast.",
    "Rain is the sky's way of watering the gardens of people who forgot.",
    "Every shortcut through the woods comes home with a longer story and muddier boots.",
    "The drum is loud because it is hollow, which is worth remembering at meetings.",
    "The patient angler eats supper; the impatient one tells stories about the fish that got away.",
    "A hungry cat is a patient cat, and a patient cat is a fed cat.",
    "Every machine has a favourite noise it makes just before it breaks.",
    "A hedge between two neighbours seems to grow a little thicker and taller with every quarrel.",
    "Summer is the season that makes promises the autumn has to keep.",
    "Gloves may hide the hands, but they never hide the work those hands have done.",
    "Kindness repaid is a good thing, but kindness passed on to a stranger travels much further.",
    "Swimming in cold water teaches you to breathe slowly and to trust your own arms.",
    "A mountain cares nothing whether you reach the top, and there is real freedom in that. "
    "Climb for the joy of climbing, turn back when it is wise, and come again another day.",
    "Eggs carried in a hurry arrive as an omelette.",
    "The road home is always shorter when you know someone has left the porch light on.",
    "Crumbs on the windowsill bring songbirds, and songbirds bring better mornings.",
    "The ferry waits for no one, but it always comes back across the water for everyone.",
    "The cat sleeps through the storm that keeps the whole household awake.",
    "The hand that never blisters has never held the shovel long enough.",
    "A lamp left burning in the window is a welcome that never tires of waiting up.",
    "Brothers and sisters fight over the last biscuit and defend each other from the world.",
    "Winter is the season when the garden sleeps under the frost and the "
    "gardener reads seed catalogues by the fire, dreaming entirely in colour.",
    "Good boots make the long road shorter, the wet road drier and the walker far kinder.",
    "Each morning is a clean page; try at least not to blot it before you have had your breakfast.",
    "Buy the good kettle, the good knife and the good boots, and "
    "you will be spared a lifetime of buying the poor ones again.",
    "A handwritten note tucked in a lunchbox can make a child's whole day.",
    "Learning is a ladder with no top rung, so enjoy the view from each one.",
    "Even the finest violin sounds like a cat in a sack until "
    "someone spends a few patient years learning how to hold the bow.",
    "A tidy shed is a quiet kindness to your future self, who will one day "
    "need the hammer and the torch in a hurry, in the rain and in the dark.",
    "Children remember the afternoon you stopped what you were doing "
    "to look at their drawing, long after they forget the presents.",
    "A book left on the shelf teaches as much as a seed left in the packet.",
    "Pack half the clothes you planned to take and twice the curiosity you think you will need.",
    "The wind cannot be argued with, but it can be put to work turning mills and drying sheets.",
    "A promise is a debt that no court collects and every friend remembers.",
    "Snow melts at its own pace, whatever the calendar says and however the children plead.",
    "A chimney that draws well makes a cheerful house and a cook who sings.",
    "Every beginning is small and clumsy, and every ending was once a beginning nobody noticed.",
    "Shared laughter over a spilled coffee can turn a "
    "room of waiting strangers into a neighbourhood.",
    "A quarrel between neighbours is like a small stone in a shoe: tiny, silly, "
    "and somehow able to ruin an entire day's walk through lovely country.",
    "Anger is a fire that burns the house of the one who lights it.",
    "Every choir has one voice a little too loud, and it is never the singer's own.",
    "A clear spring is worth more to a village than a golden statue in the square.",
    "The night sky is the oldest book, and everyone can read a page of it.",
    "Compost is yesterday's dinner on its way to becoming tomorrow's lettuce.",
    "Fishing teaches patience to the angler and caution to the fish.",
    "An apology offered quickly closes the wound before it can fester.",
    "A fiddle out of tune still makes more music than one left in its case.",
    "Those who count every coin rarely find time to count the sunsets.",
    "If the path is muddy, wear boots. If the path is steep, walk slowly and rest often. If the "
    "path is lonely, sing a little as you go. There is an answer for nearly every kind of road.",
    "Nobody admires the scaffolding, yet no wall was ever raised without it.",
    "A kitchen with one good knife is better than a drawer of dull ones.",
    "Luck tends to call at the workshop where the lamps are still lit.",
    "Autumn pays the farmer back for every cold and early morning of the spring.",
    "The suitcase too heavy to lift is full of things you will not need.",
    "A dog forgives you for being late before you have even taken off your coat to apologise.",
    "A slow horse that finishes the journey beats a fast one that goes lame on the way.",
    "Saving is simply spending on the person you will be next year, who will be grateful.",
    "Empty pockets make a careful shopper, and full ones make a careless one.",
    "Reading is travel for those who cannot leave the armchair, and it needs no tickets.",
    "The old tree bends in the storm because it learned how when it was young.",
    "Arriving on time is a small, daily compliment to the person who is waiting for you.",
    "Ants carry ten times their weight and never complain about the load.",
    "The finest potter in the village was once a beginner who refused to give up on the third day.",
    "A busy workshop is rarely tidy, and a tidy workshop is often idle.",
    "Trains leave exactly on time only on the mornings when you are running late for them.",
    "Hope is a lamp that costs little to keep lit and a great deal to relight.",
    "Envy stares over the hedge at a neighbour's field and forgets to weed its own.",
    "The weaver's patience shows most of all in the "
    "threads you will never see on the finished cloth.",
    "Salt is cheap until you run out of it in the middle of the cooking.",
    "One bruised apple spoils the barrel only if you leave it there.",
    "A long walk cures more bad moods than a short temper ever caused.",
    "The best travel companions share the map, the bread and the blame, "
    "and they still laugh about the wrong turns years afterwards.",
    "Measure the board, mark the line and cut once, then stop for a moment to admire your work. "
    "A craftsman who never pauses to look at what he has made soon forgets why he makes it.",
    "One small fish in the bucket is worth more at supper time than a whole shoal of promises.",
    "A pinch of salt improves the soup, and a handful "
    "ruins it, which is true of most advice as well.",
    "Be generous with praise and careful with blame. Praise costs "
    "nothing and grows in the telling, while blame, once spoken "
    "aloud in anger, is as hard to gather back up as spilt flour.",
    "The heron stands still in the shallows for an hour and calls it fishing.",
    "A good librarian can find the book you need from a description of its "
    "cover, a vague memory of its colour and a guess about the author's hat.",
    "A stew forgives a late guest, but a custard forgives no one.",
    "Truth told kindly is a gift, and truth told cruelly is a stone wrapped in paper.",
    "Good neighbours mind your cat while you are away and their own business when you are home.",
    "Old friends are like old boots: they took a while to fit, and now nothing else will do.",
    "Small kindnesses travel further than grand speeches, and they need no microphone.",
    "The fox is clever, but the hen that roosts high on the beam sleeps safely all the same.",
    "A boat kept in the harbour all year grows barnacles and stories about the sea.",
    "Before you paint the fence, mend it; before you mend it, walk round "
    "and ask whether the neighbours would rather have a gate in it instead.",
    "Prune with care in autumn and the spring will forgive you a great deal.",
    "A river is only as clean as the town upstream allows, so be the town upstream.",
    "The snail reaches the top of the wall as well, and it brought its house along.",
    "A thing mended with care is often loved more than it was when it was new.",
    "A fair price leaves the buyer and the seller both willing to meet again.",
    "Blank paper is frightening only until the first crooked line is written across it.",
    "The pupil who asks why will outgrow the teacher who only answers because.",
    "A garden teaches every lesson twice: once in the spring, when you plant your rows with "
    "hope and string, and again in the autumn, when you count honestly what actually grew there.",
    "A harbour light is lit for strangers, and that is why sailors love it.",
    "The lark that rises earliest has the whole wide sky to itself for an hour.",
    "Riches can buy the softest bed in town but not a single good night's sleep in it.",
    "A weather forecast is a promise written in pencil.",
    "Bees work in silence, and still the whole meadow hears about it by the end of summer.",
    "A new town teaches you the most on the morning you get thoroughly lost in its back streets.",
    "A loose button sewn on today saves hunting for it in the gutter tomorrow.",
    "The neighbour who waters your plants while you "
    "travel is worth a whole street of acquaintances.",
    "Seeds planted in a hurry come up crooked, and so do plans made the night before.",
    "A workbench tells the truth about its owner: the scratches show "
    "what was attempted and the clean corners show what was never tried.",
    "Forgiveness is a door you open for yourself, even when nobody else walks through it.",
    "A seed does not know how tall the tree will one day become, and that "
    "is exactly why it is not afraid to split its shell and begin growing.",
    "An umbrella is always forgotten on the very day it is most needed, usually on a train.",
    "An umbrella shared between two strangers at a bus stop in a downpour "
    "has started more friendships than any clever conversation at a party.",
    "Parents plant the seeds, but the children decide which way to grow toward the light.",
    "Gossip is a letter with no stamp that is somehow delivered everywhere.",
    "Every great harvest began as a handful of seed and a back willing to bend.",
    "A job begun at dawn has the whole day to go wrong and the whole day to be put right.",
    "Friendship rarely dies of frost or storm; far more often it dies quietly of neglect.",
    "Sheep will follow the bell anywhere, so choose with care which ewe is allowed to wear it.",
    "The baker rises before the sun so that the town may rise to bread.",
    "The cook who tastes as she goes never serves a surprise, except the pleasant kind.",
    "A holiday is a loan of time from the rest of the year, repaid with a tan.",
    "Speak up once in the meeting and your voice will be steadier the next time you try.",
    "The task you put off grows heavier each time you lift it to look at it.",
    "The well is valued only when the bucket comes up dry, so thank it while it is full.",
    "A well-made chair is never praised while you sit in it, only missed when it is gone.",
    "A tunnel is dark in the middle, but both ends were dug toward the daylight.",
    "A recipe is only a map; the cook still has to walk the road and taste along the way.",
    "An apple tree is a gift passed quietly from one generation of hands to the next.",
    "Fishing teaches patience to the angler and caution to the fish.",
    "Thrift is the habit of wearing a thing out properly before replacing it with another.",
    "Sleep on a hard decision, but do not sleep on it for a month, "
    "or the decision will quietly be made for you by someone else.",
    "A tune you know by heart is the only luggage that weighs nothing at all on a long road.",
    "Spring does not argue with winter; it simply arrives and starts the work.",
    "A creaking stair is the house's way of announcing who came home late.",
    "The dancer who is too afraid of falling never learns to turn.",
    "A shepherd counts the flock each evening at the gate, not because he "
    "expects a loss, but because he cares about every single one of them.",
    "Success is a guest who arrives late and leaves early, so be ready to greet it.",
    "The sea leaves its best driftwood for those who walk the beach at dawn.",
    "A library card is a passport that never needs stamping and never expires on holiday.",
    "Mistakes are the fees we pay at the school of doing things, and nobody gets a discount.",
    "Chores done together in the kitchen take half "
    "the time and produce at least twice the laughter.",
    "A patchwork quilt is proof that odd scraps, patiently joined, can become something warm.",
    "Memory is a kind attic that keeps the good chairs and quietly loses the broken ones.",
    "The puddle a child jumps in is deeper than any ocean the grown-ups cross.",
    "The harvest belongs to those who weeded in the July heat while others sat in the shade.",
    "The hen that cackles loudest has not always laid the egg.",
    "The question you are afraid to ask is the one the whole room is waiting for.",
    "A face lined by years of laughing is a map worth more than any smooth one.",
    "Hard work leaves tired hands and a quiet mind; idleness leaves the reverse.",
    "A fox that knocks politely at the henhouse and wipes its feet is still, in the end, a fox.",
    "Snow hushes a town the way a hand on the skin hushes a drum.",
    "The right spanner is always in the other box.",
    "The ladder you kick away after climbing is the one you will need on the way down.",
    "A bridge takes a year to build and a moment to cross, and the "
    "people who cross it rarely think of the hands that built it.",
    "Put the tool back where you found it and tomorrow will thank you.",
    "A grandmother's kitchen drawer holds string, candles, three keys "
    "to unknown doors and the answer to most of the family's troubles.",
    "The patient cook lets the onions soften slowly in butter before adding anything else. The "
    "whole dish is better for those few quiet minutes of waiting by the stove with a spoon.",
    "A robin perched on the spade handle is a gardener's best reward for turning the soil.",
    "A stranger's kindness in a foreign town is remembered longer than any cathedral.",
    "The traveller who asks for directions arrives; the proud one walks in circles.",
    "The postman knows which houses wait at the window and which never open the door.",
    "Make your plans in ink if you like, but keep a pencil handy for the day the weather changes.",
    "A lamp carried ahead of you on a dark road lights only a few "
    "steps, but a few steps at a time is how every road is walked.",
    "A letter from an old friend arrives like a window thrown open in a "
    "stuffy room, and for the rest of the day everything smells of fresh air.",
    "Sunshine after a week of rain is worth a month of cloudless days.",
    "Pride has never mended anything that a plain "
    "apology could not have mended faster and cheaper.",
    "Cows lie down in the meadow before the rain comes, and wise farmers take notice.",
    "The best soup is often made from whatever the larder happened to have.",
    "The afternoon is long for children and short for anyone with a list.",
    "A kind word costs nothing and can be spent again by whoever hears it.",
    "The mountain does not grow smaller because you stand and stare at it.",
    "Honest scales keep customers far longer than any clever advertising ever could.",
    "Debt is a guest who eats at your table every night and never brings dessert.",
    "Lost time is never found again, not even in the pockets of old winter coats.",
    "Humility is remembering how much of the view belongs to the mountain you stand on.",
    "Slice the bread with care and the crumbs will stay on the board instead of the floor.",
    "A good painting rewards the second look more than the first, and the tenth most of all.",
    "The farmer who watches the sky too long forgets to watch the field.",
    "Good manners are the oil that keeps the hinges of a crowded house from squeaking.",
    "A sudden downpour empties the streets, fills the cafes and introduces strangers in doorways.",
    "Frost on the window paints pictures nobody asked for and everybody admires.",
    "A church bell heard across the fields tells the time to everyone who stops to count.",
    "Lazy hands always write the longest and neatest lists of things that must be done tomorrow.",
    "A beehive in the orchard doubles the fruit and asks for nothing but a little peace.",
    "A long friendship is a path across a meadow that stays clear "
    "only because both friends keep walking it in every season.",
    "A good host makes the guest feel the house was built for the visit.",
    "Grandparents keep the recipes that no book ever printed, written on the backs of envelopes.",
    "The apprentice sweeps the workshop floor for a whole year and learns "
    "more from the curled shavings than from any lecture about the wood.",
    "A story told by the fire grows a little every winter, and nobody minds.",
    "The storm will pass. Until it does, bring in the washing, fill the lamps, check on the "
    "old lady next door, and let the children watch the lightning from the bedroom window.",
    "A friend is someone who knows which drawer you keep the spoons in.",
    "Plain bread shared at a crowded table tastes better than the richest cake eaten alone.",
    "A timid sailor keeps his deck scrubbed clean, his "
    "brass polished and his charts entirely unused.",
    "Music played badly in a warm kitchen among friends gives more "
    "pleasure than music played perfectly in a cold and empty hall.",
    "Porridge stirred patiently never sticks to the bottom of the pot or burns the morning.",
    "An orchard planted by one generation feeds the next, shades the third, "
    "and is remembered fondly by all of them every time the blossom comes out.",
    "Every wave that breaks on the shore has crossed an ocean to do it.",
    "A borrowed book should come home with a bookmark, a kind word "
    "and no coffee rings, or it should not be borrowed at all.",
    "A map learned by heart is worth less than a road walked once in bad weather with sore feet.",
    "A village with a good well, a warm bakery and a bench in the "
    "square has most of what the great cities keep promising to build.",
    "Climb a ladder one rung at a time, or you will meet the floor all at once.",
    "Geese fly further together in their long untidy line than any one of them could fly alone.",
    "Cheese and friendship both improve with age, provided they are kept cool and not forgotten.",
    "An old sailor checks the knots twice before leaving harbour, "
    "not because he doubts his hands but because he respects the sea.",
    "The vineyard rewards those who prune hard in winter and wait through the summer.",
    "Two friends can share one small umbrella and both arrive wet and happy.",
    "A bicycle left in the shed all winter squeaks its complaints in spring.",
    "A needle without thread is only a sharp thing to lose in the carpet.",
    "Winter nights are long so that the old stories by the fire have room to grow.",
    "One small lamp in one window can make a whole cottage on a dark hill feel lived in.",
    "The carpenter who measures twice sweeps up less sawdust and says far fewer words he regrets.",
    "A blunt saw makes a tired arm, a crooked cut and a very bad temper by lunchtime.",
    "The sea keeps its own calendar, written in tides and signed by the moon.",
    "Weather is what the sky does to your plans, and character is what you "
    "decide to do with the wet and windy afternoon that is left afterwards.",
    "A mirror shows your face, but only a friend will tell you what is behind it.",
    "Sharpen the chisel before you blame the oak, and check your own hand before either.",
    "Deep roots are never seen, yet they are why the tree is still standing.",
    "The river that floods in spring is the one that waters the valley all summer.",
    "Friendship, like a fire in the grate, needs feeding. A few dry logs added in good time "
    "will keep it going all winter, but neglect it for too long and only cold grey ash remains.",
    "When a friend is stuck on the roof, lend a ladder, not a lecture about climbing.",
    "Every meal cooked for others tastes better to the cook than one cooked for herself.",
    "Weeds need no encouragement at all, while roses need a great deal of it.",
    "Spend your money on things that last and on afternoons you will still remember.",
    "Clean your own windows and the whole street will look brighter from inside.",
    "An anchor is a fine and useful thing, but only if you also know when to pull it up again.",
    "Old walking boots at the back of the cupboard remember every mile, and they "
    "are stuffed with the best roads you ever took and never told anyone about.",
    "Fishermen mending nets on the quay do not complain about the "
    "holes; they know the holes are what the sea charges for fish.",
    "Pull one weed every day on your way past and the "
    "garden will thank you for it all summer long.",
    "A kind neighbour shovels the snow from both paths before breakfast and "
    "says nothing about it, and somehow the whole street is warmer for it.",
    "Sand along the grain, slowly and without pressing, and the wood will show you its true face.",
    "The kitchen is the one room where a mistake teaches its lesson by smell.",
    "No island is so small or so far away that the tide forgets to visit it twice a day.",
    "The crow that talks all day long finds the fewest crumbs under the picnic table.",
    "Grow old with good shoes and good friends and the road will stay kind.",
    "A clockmaker learns that the smallest wheel is often the one that stops everything.",
    "Leftovers are the compliment a good meal pays to tomorrow's lunch.",
    "A kettle sings just before it is ready, which is more than most of us do.",
    "A spoonful of honey can rescue a whole pot of bitter tea, and a kind word a whole morning.",
    "A house is only bricks and timber until someone puts a kettle on, and "
    "then, slowly and without anyone noticing, it begins to become a home.",
    "A rope is only as strong as the sailor who checked it this morning.",
    "The cook who cleans as she goes finishes the meal with a tidy kitchen "
    "and a clear head, and nobody has to face the pans at midnight.",
    "Fog on an autumn evening makes every lane a mystery and every lit window a friend.",
    "Children copy the way you treat the waiter long before they copy your speeches about manners.",
    "Oil the hinge before it squeaks and the whole house will sleep better.",
    "Jam made in summer is sunshine kept in a jar for the grey mornings of winter.",
    "Knots tied in haste on a wet deck are always the hardest ones to untie later in the dry.",
    "Do the hardest part of the day while the coffee is still hot and your courage is still fresh.",
    "True friends argue in the kitchen and make peace over the washing-up.",
    "A lie runs fast but tires quickly, while the truth walks and still arrives.",
    "A child who is allowed to help in the kitchen learns arithmetic from "
    "the scales, patience from the oven and kindness from feeding the family.",
    "The cheapest boots in the shop are usually the "
    "ones you end up buying twice before winter is out.",
    "Be gentle with the new neighbour, for everyone is new somewhere.",
    "The gardener who kneels in the mud in March is the one who sits "
    "among the roses in June with nothing left to do but smell them.",
    "Practise your scales and the songs will take care of themselves.",
    "A trade learned young is a roof that travels with "
    "you wherever the road and the years may lead.",
    "The gardener who waits for perfect soil will grow nothing but excuses.",
    "The cook who apologises for the meal invites the guests to find fault.",
    "A craftsman knows every mistake hidden in the corners nobody looks at.",
    "Tired eyes see only problems where rested eyes, the next morning, see several doors.",
    "A birthday is a good day to count the friends, and a poor day to count the years.",
    "The village baker knows every family by the shape of the loaf they buy on Friday.",
    "A house full of children is never quiet and never short of surprises.",
    "A shopkeeper who remembers your name sells more than one who remembers only your money.",
    "Worries weigh far more at midnight than they do at noon over a cup of tea.",
    "A river never climbs a hill to argue with a stone; it goes around and wears the stone down.",
    "The swimmer who never leaves the shallows never learns what the deep water will hold.",
    "An hour spent mending the roof saves a week of drying out the floor.",
    "Every mountain path was once a goat's good idea that the rest of us decided to follow.",
    "Fruit pulled from the branch is sour; fruit that falls into your hand is sweet.",
    "One lie needs ten more to keep it warm.",
    "Nobody remembers the weather on the day the house was built. They remember whether the "
    "roof held, whether the doors closed properly, and whether the fire drew well in winter.",
    "Reaching the peak is half the climb; the other half is the way down.",
    "It takes more courage to say I was wrong than to insist you were right all along.",
    "Summer evenings stretch out like cats in the last of the sun.",
    "Change is a visitor who never knocks but always stays for supper.",
    "Moving house shows you exactly how much you kept that you never needed.",
    "The tailor who measures in a hurry spends the rest of the week letting out the seams.",
    "Yesterday is a letter already posted; tomorrow is an envelope still blank.",
    "Raise the sails when the wind is fair, not after it has passed and left you drifting.",
    "The key that opens every door is usually the one you left on the hall table.",
    "The bee visits a thousand flowers and complains about none of them.",
    "A chimney swept in autumn means a winter spent by the fire instead of fighting the smoke.",
    "A blacksmith hammers when the iron glows and rests "
    "while it heats, and both are part of the trade.",
    "Trim the wick and the flame will stop its smoking; "
    "trim the complaint and the point comes through.",
    "Summits are for views, but valleys are where people actually live.",
    "Mountains teach humility to everyone who reaches the top out of breath.",
    "Keep a small notebook in your coat pocket. The best ideas come while you are walking "
    "the dog or waiting for the kettle, and they leave again just as quickly as they arrived.",
    "Honey is sweet, but the bee keeps its sting close by, so lift the lid of the hive gently.",
    "Swallows come back to the same barn, which is a kind of loyalty worth admiring.",
    "Ink dries in a minute, but the words it carried soak into the reader for years.",
    "A road on a map is only a promise until someone has walked it in the rain.",
    "Every garden has a corner that grows whatever it likes, and a wise gardener lets it.",
    "The sea does not care how well you sail, only how carefully you listen to it.",
    "The wise student copies the method from the board and leaves the answer alone to work out.",
    "Autumn leaves fall without regret, and the tree is none the worse for it.",
    "The moon borrows its light and still lends it out to every traveller.",
    "The bricklayer does not build a wall; he lays one brick, then another, and the wall appears.",
    "Good joinery needs very few nails, and good manners in a happy house need very few rules.",
    "A cat will share your chair only when it has decided you are worthy of it.",
    "A candle burns no brighter for being watched, and no dimmer for being ignored.",
    "A calendar crammed with plans is a garden with too many seeds in every hole.",
    "The stonemason cuts his mark on a hidden face of the stone, where "
    "only the next mason, a hundred years later, will ever find it.",
    "A queue moves faster for those who brought a good book "
    "and much slower for those who keep checking the clock.",
    "A song hummed at the workbench makes the work shorter and the afternoon kinder.",
    "The onion makes the cook weep before it makes the whole family glad at supper.",
    "Money in the bank lets you sleep, money in your pocket lets you "
    "spend, and money in your head keeps you wide awake all night.",
    "Courage is rarely loud; mostly it looks like someone getting up early "
    "on a cold morning to do a hard thing they would much rather avoid.",
    "Theatre is a room full of strangers agreeing to believe the same story for an evening.",
    "The river does not hurry past the mill, yet by evening it has turned "
    "the wheel a thousand times and ground the whole village's flour.",
}};

}  // namespace sagelight
