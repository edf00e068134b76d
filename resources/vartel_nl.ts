<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>Bulletin</name>
    <message>
        <source> Overpopulation - disaster inevitable</source>
        <translation> Overbevolking - ramp onvermijdelijk</translation>
    </message>
    <message>
        <source> Large population... danger</source>
        <translation> Grote bevolking... gevaar</translation>
    </message>
    <message>
        <source> Population extinct</source>
        <translation> Bevolking uitgestorven</translation>
    </message>
    <message>
        <source> Not enough people - disaster strikes</source>
        <translation> Te weinig mensen - de ramp slaat toe</translation>
    </message>
    <message>
        <source> Small population... danger</source>
        <translation> Kleine bevolking... gevaar</translation>
    </message>
    <message>
        <source> An epidemic roams through the island</source>
        <translation> Een epidemie trekt over het eiland</translation>
    </message>
    <message>
        <source>Heavy penalty for families with more than 1 child!</source>
        <translation>Zware straf voor gezinnen met meer dan 1 kind!</translation>
    </message>
    <message>
        <source> Many immigrants invade the island</source>
        <translation> Veel immigranten komen naar het eiland</translation>
    </message>
    <message>
        <source> Increase of ageing population</source>
        <translation> De vergrijzing neemt toe</translation>
    </message>
    <message>
        <source> no announcements ...</source>
        <translation> geen mededelingen ...</translation>
    </message>
    <message>
        <source>This is the stone age. A primitive population lives from gathering and hunting.</source>
        <translation>Dit is de steentijd. Een primitieve bevolking leeft van verzamelen en jagen.</translation>
    </message>
    <message>
        <source>Point A:<byte value="xd"/>
Agriculture starts.<byte value="xd"/>
More people can live on the island than before.<byte value="xd"/>
Health increases and so does the birth index.</source>
        <translation>Punt A:<byte value="xd"/>
De landbouw begint.<byte value="xd"/>
Er kunnen meer mensen op het eiland leven dan vroeger.<byte value="xd"/>
De gezondheid neemt toe en het geboortecijfer ook.</translation>
    </message>
    <message>
        <source>Point M:<byte value="xd"/>
Mechanisation, industrialisation. Still more people<byte value="xd"/>
can live on the  island. The birth index increases slightly,<byte value="xd"/>
child mortality decreases due to better hygiene.</source>
        <translation>Punt M:<byte value="xd"/>
Mechanisatie, industrialisatie. Nog meer mensen<byte value="xd"/>
kunnen op het eiland leven. Het geboortecijfer stijgt iets,<byte value="xd"/>
de kindersterfte daalt door betere hygiëne.</translation>
    </message>
    <message>
        <source>Point H:<byte value="xd"/>
Health care improves, so does education.<byte value="xd"/>
Child mortality decreases, which causes the population to grow explosively.</source>
        <translation>Punt H:<byte value="xd"/>
De gezondheidszorg wordt beter, het onderwijs ook.<byte value="xd"/>
De kindersterfte daalt, waardoor de bevolking explosief groeit.</translation>
    </message>
    <message>
        <source>Point P:<byte value="xd"/>
Prosperity rises. Slowly the birth index decreases.<byte value="xd"/>
The population explosion slows down. Thanks to improved production<byte value="xd"/>
methods, more people can live on the island.</source>
        <translation>Punt P:<byte value="xd"/>
De welvaart stijgt. Langzaam daalt het geboortecijfer.<byte value="xd"/>
De bevolkingsexplosie neemt af. Dankzij betere productie-<byte value="xd"/>
methoden kunnen meer mensen op het eiland leven.</translation>
    </message>
    <message>
        <source>Point E:<byte value="xd"/>
Eco-efficiency increases.<byte value="xd"/>
The strain on the environment decreases, so even more people can live on the island.</source>
        <translation>Punt E:<byte value="xd"/>
De eco-efficiëntie neemt toe.<byte value="xd"/>
Het milieu wordt minder belast, zodat er nog meer mensen op het eiland kunnen leven.</translation>
    </message>
    <message>
        <source>Point B:<byte value="xd"/>
The population does not grow or shrink strongly any more.<byte value="xd"/>
Balance in People, Planet &amp; Prosperity is within reach.</source>
        <translation>Punt B:<byte value="xd"/>
De bevolking groeit of krimpt niet sterk meer.<byte value="xd"/>
Evenwicht tussen mens, milieu en welvaart is binnen bereik.</translation>
    </message>
    <message>
        <source>No messages ...</source>
        <translation>Geen berichten ...</translation>
    </message>
</context>
<context>
    <name>Correction</name>
    <message>
        <source>A population of less than 120 people is not allowed. The value is adjusted.</source>
        <translation>Een bevolking van minder dan 120 mensen is niet toegestaan. De waarde is aangepast.</translation>
    </message>
    <message>
        <source>A population of more than 2.5 million people is not allowed. The value is adjusted.</source>
        <translation>Een bevolking van meer dan 2.5 miljoen mensen is niet toegestaan. De waarde is aangepast.</translation>
    </message>
    <message>
        <source>A stabile population level of less than 2000 people is not allowed. The value is adjusted.</source>
        <translation>Een stabiel bevolkingsniveau van minder dan 2000 mensen is niet toegestaan. De waarde is aangepast.</translation>
    </message>
    <message>
        <source>A stabile population level of more than 1 million people is not allowed. The value is adjusted.</source>
        <translation>Een stabiel bevolkingsniveau van meer dan 1 miljoen mensen is niet toegestaan. De waarde is aangepast.</translation>
    </message>
    <message>
        <source>A negative birth index is not allowed. The value is adjusted.</source>
        <translation>Een negatief geboortecijfer is niet toegestaan. De waarde is aangepast.</translation>
    </message>
    <message>
        <source>A birth index of more than 20 is not allowed. The value is adjusted.</source>
        <translation>Een geboortecijfer van meer dan 20 is niet toegestaan. De waarde is aangepast.</translation>
    </message>
    <message>
        <source>A baby mortality of less than 0,01% is not allowed. The value is adjusted.</source>
        <translation>Een babysterfte van minder dan 0,01% is niet toegestaan. De waarde is aangepast.</translation>
    </message>
    <message>
        <source>A baby mortality of more than 99% is not allowed. The value is adjusted.</source>
        <translation>Een babysterfte van meer dan 99% is niet toegestaan. De waarde is aangepast.</translation>
    </message>
    <message>
        <source>An adult mortality of less than 0,01% is not allowed. The value is adjusted.</source>
        <translation>Een sterfte van volwassenen van minder dan 0,01% is niet toegestaan. De waarde is aangepast.</translation>
    </message>
    <message>
        <source>An adult mortality of more than 99% is not allowed. The value is adjusted.</source>
        <translation>Een sterfte van volwassenen van meer dan 99% is niet toegestaan. De waarde is aangepast.</translation>
    </message>
    <message>
        <source>An emigration level of more than 6% is not allowed. The value is adjusted.</source>
        <translation>Een emigratie van meer dan 6% is niet toegestaan. De waarde is aangepast.</translation>
    </message>
    <message>
        <source>An immigration level of more than 6% is not allowed. The value is adjusted.</source>
        <translation>Een immigratie van meer dan 6% is niet toegestaan. De waarde is aangepast.</translation>
    </message>
    <message>
        <source>&apos;&apos;%1&apos;&apos; is not a valid integer value</source>
        <translation>&apos;&apos;%1&apos;&apos; is geen geldig geheel getal</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is geen geldig decimaal getal</translation>
    </message>
    <message>
        <source>Invalid data</source>
        <translation>Ongeldige invoer</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>GIF error: the colours could not be reduced to 256</source>
        <translation>GIF-fout: de kleuren konden niet tot 256 worden teruggebracht</translation>
    </message>
    <message>
        <source>GIF error: %1</source>
        <translation>GIF-fout: %1</translation>
    </message>
    <message>
        <source>There is no picture to save</source>
        <translation>Er is geen afbeelding om op te slaan</translation>
    </message>
    <message>
        <source>The picture is too large for a GIF file</source>
        <translation>De afbeelding is te groot voor een GIF-bestand</translation>
    </message>
    <message>
        <source>Not enough memory for the GIF palette</source>
        <translation>Niet genoeg geheugen voor het GIF-palet</translation>
    </message>
    <message>
        <source>Not enough memory for the JPEG picture</source>
        <translation>Niet genoeg geheugen voor de JPEG-afbeelding</translation>
    </message>
    <message>
        <source>The picture could not be encoded as %1</source>
        <translation>De afbeelding kon niet als %1 worden gecodeerd</translation>
    </message>
    <message>
        <source>Pictures can be saved only with the extension .emf, .wmf, .bmp, .jpg, .gif, .png or .svg</source>
        <translation>Afbeeldingen kunnen alleen worden opgeslagen met de extensie .emf, .wmf, .bmp, .jpg, .gif, .png of .svg</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;. %2</source>
        <translation>Kan &quot;%1&quot; niet opslaan. %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;: %2</source>
        <translation>Kan bestand &quot;%1&quot; niet schrijven: %2</translation>
    </message>
</context>
<context>
    <name>InfoLine</name>
    <message>
        <source>Vartel – population simulation for schools. Questions and remarks: mailto:vartel@example.org</source>
        <translation>Vartel – bevolkingssimulatie voor scholen. Vragen en opmerkingen: mailto:vartel@example.org</translation>
    </message>
    <message>
        <source>Program information</source>
        <translation>Programma-informatie</translation>
    </message>
</context>
<context>
    <name>Instruction</name>
    <message>
        <source>Investigate the past:  Move the mouse in the population graph.     Freeze the moment in time: Click the mouse.</source>
        <translation>Onderzoek het verleden:  Beweeg de muis in de bevolkingsgrafiek.     Zet het moment vast: Klik met de muis.</translation>
    </message>
    <message>
        <source>The moment in time is frozen.     Release: Click the mouse within the graph.</source>
        <translation>Het moment staat vast.     Loslaten: Klik met de muis in de grafiek.</translation>
    </message>
</context>
<context>
    <name>SavedRun</name>
    <message>
        <source>it holds binary data</source>
        <translation>het bevat binaire gegevens</translation>
    </message>
    <message>
        <source>it has no time table</source>
        <translation>het heeft geen tijdtabel</translation>
    </message>
    <message>
        <source>it ends before the first row of its time table</source>
        <translation>het houdt op vóór de eerste rij van de tijdtabel</translation>
    </message>
    <message>
        <source>it ends in the middle of its time table, after year %1</source>
        <translation>het houdt midden in de tijdtabel op, na jaar %1</translation>
    </message>
    <message>
        <source>line %1 is not the row of year %2</source>
        <translation>regel %1 is niet de rij van jaar %2</translation>
    </message>
    <message>
        <source>its time table goes on after year 3000 (line %1)</source>
        <translation>de tijdtabel gaat door na jaar 3000 (regel %1)</translation>
    </message>
    <message>
        <source>the population of year %1 is out of range (line %2)</source>
        <translation>de bevolking van jaar %1 ligt buiten het bereik (regel %2)</translation>
    </message>
    <message>
        <source>it holds fewer than two years, too few for a curve</source>
        <translation>het bevat minder dan twee jaren, te weinig voor een curve</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>&quot;%1&quot; kan niet gelezen worden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for a data file of Vartel</source>
        <translation>&quot;%1&quot; is te groot voor een gegevensbestand van Vartel</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file</source>
        <translation>&quot;%1&quot; is geen bestand</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a data file of Vartel: %2</source>
        <translation>&quot;%1&quot; is geen gegevensbestand van Vartel: %2</translation>
    </message>
</context>
<context>
    <name>Scenario</name>
    <message>
        <source>Simple</source>
        <translation>Eenvoudig</translation>
    </message>
    <message>
        <source>Positive feedback</source>
        <translation>Positieve terugkoppeling</translation>
    </message>
    <message>
        <source>Negative feedback</source>
        <translation>Negatieve terugkoppeling</translation>
    </message>
    <message>
        <source>Attenuation towards stability</source>
        <translation>Demping naar stabiliteit</translation>
    </message>
    <message>
        <source>Realistic, low</source>
        <translation>Realistisch, laag</translation>
    </message>
    <message>
        <source>Realistic, medium</source>
        <translation>Realistisch, middel</translation>
    </message>
    <message>
        <source>Realistic, high</source>
        <translation>Realistisch, hoog</translation>
    </message>
</context>
<context>
    <name>StartButton</name>
    <message>
        <source>Continue</source>
        <translation>Verder</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Start simulation</source>
        <translation>Start de simulatie</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Stap</translation>
    </message>
    <message>
        <source>One step</source>
        <translation>Eén stap</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Pause simulation</source>
        <translation>Pauzeer de simulatie</translation>
    </message>
    <message>
        <source>Stop the pause, continue the simulation</source>
        <translation>Stop de pauze, ga verder met de simulatie</translation>
    </message>
</context>
<context>
    <name>ViewDescription</name>
    <message>
        <source>Year %1, population %2</source>
        <translation>Jaar %1, bevolking %2</translation>
    </message>
    <message>
        <source>linear scale</source>
        <translation>lineaire schaal</translation>
    </message>
    <message>
        <source>logarithmic scale</source>
        <translation>logaritmische schaal</translation>
    </message>
    <message>
        <source>Birth graph</source>
        <translation>Geboortegrafiek</translation>
    </message>
    <message>
        <source>Mortality graph, %1</source>
        <translation>Sterftegrafiek, %1</translation>
    </message>
    <message>
        <source>Survival chance graph</source>
        <translation>Overlevingsgrafiek</translation>
    </message>
    <message>
        <source>Population graph, %1</source>
        <translation>Bevolkingsgrafiek, %1</translation>
    </message>
    <message>
        <source>, zoom %1</source>
        <translation>, zoom %1</translation>
    </message>
    <message>
        <source>; year %1, population %2</source>
        <translation>; jaar %1, bevolking %2</translation>
    </message>
    <message>
        <source>1 house</source>
        <translation>1 huis</translation>
    </message>
    <message>
        <source>%1 houses</source>
        <translation>%1 huizen</translation>
    </message>
    <message>
        <source>Year %1: %2, one for every 10,000 inhabitants; population %3</source>
        <translation>Jaar %1: %2, één per 10.000 inwoners; bevolking %3</translation>
    </message>
    <message>
        <source>, growth %1%</source>
        <translation>, groei %1%</translation>
    </message>
</context>
<context>
    <name>vartel::LessonEditor</name>
    <message>
        <source>Save as lesson</source>
        <translation>Opslaan als les</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Instructions for the class:</source>
        <translation>Instructies voor de klas:</translation>
    </message>
    <message>
        <source>The class cannot change</source>
        <translation>De klas kan niet veranderen</translation>
    </message>
    <message>
        <source>the scenario</source>
        <translation>het scenario</translation>
    </message>
    <message>
        <source>the parameters</source>
        <translation>de parameters</translation>
    </message>
    <message>
        <source>the incidents</source>
        <translation>de gebeurtenissen</translation>
    </message>
    <message>
        <source>the speed</source>
        <translation>de snelheid</translation>
    </message>
    <message>
        <source>Pause points: the run pauses at the year and asks the question</source>
        <translation>Pauzepunten: de simulatie pauzeert in het jaar en stelt de vraag</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Vraag</translation>
    </message>
    <message>
        <source>Add a pause point</source>
        <translation>Pauzepunt toevoegen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
</context>
<context>
    <name>vartel::SaveFileDialog</name>
    <message>
        <source>(None)</source>
        <translation>(Geen)</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Special file</source>
        <translation>Speciaal bestand</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1-bestand</translation>
    </message>
    <message>
        <source>%1
This folder does not exist. The file must be saved in an existing folder.</source>
        <translation>%1
Deze map bestaat niet. Het bestand moet in een bestaande map worden opgeslagen.</translation>
    </message>
    <message>
        <source>%1
This file is read-only and cannot be chosen. Choose another name.</source>
        <translation>%1
Dit bestand is alleen-lezen en kan niet worden gekozen. Kies een andere naam.</translation>
    </message>
</context>
<context>
    <name>vartel::TFloatEdit</name>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>EConvertError<byte value="xd"/>&apos;%1&apos; is not a valid floating point value</source>
        <translation>EConvertError<byte value="xd"/>&apos;%1&apos; is geen geldig decimaal getal</translation>
    </message>
</context>
<context>
    <name>vartel::TForm1</name>
    <message>
        <source>Vartel      -      Population Simulation</source>
        <translation>Vartel      -      Bevolkingssimulatie</translation>
    </message>
    <message>
        <source>Move the mouse through the graph while the simulation pauses to see the population pyramid of each moment in time</source>
        <translation>Beweeg de muis door de grafiek terwijl de simulatie pauzeert om de bevolkingspiramide van elk moment te zien</translation>
    </message>
    <message>
        <source>Choose from 4 types of  graph</source>
        <translation>Kies uit 4 soorten grafieken</translation>
    </message>
    <message>
        <source>This section shows the results of the simulation. <byte value="xd"/>
You cannot change these numbers yourself.</source>
        <translation>Dit vak toont de uitkomsten van de simulatie.<byte value="xd"/>
Deze getallen kun je niet zelf veranderen.</translation>
    </message>
    <message>
        <source>In this section you select a scenario. A scenario is a possible development of the situation, a kind of &apos;selected reality&apos;</source>
        <translation>In dit vak kies je een scenario. Een scenario is een mogelijke ontwikkeling van de situatie, een soort &apos;gekozen werkelijkheid&apos;</translation>
    </message>
    <message>
        <source>This section shows the determining numbers for the simulation.<byte value="xd"/>
You can change them at the start or during a pause in the simulation.</source>
        <translation>Dit vak toont de getallen die de simulatie bepalen.<byte value="xd"/>
Je kunt ze veranderen bij de start of tijdens een pauze van de simulatie.</translation>
    </message>
    <message>
        <source>Number of people that might live on the island in a state of equilibrium</source>
        <translation>Aantal mensen dat in evenwicht op het eiland kan leven</translation>
    </message>
    <message>
        <source>Annual number of people that will move from the outside world and startt living on the island, or (in case of a negative value) leave the island.</source>
        <translation>Aantal mensen dat per jaar van buitenaf op het eiland komt wonen, of (bij een negatieve waarde) het eiland verlaat.</translation>
    </message>
    <message>
        <source>Number of years lasting before the incident is finished</source>
        <translation>Aantal jaren tot de gebeurtenis voorbij is</translation>
    </message>
    <message>
        <source>Number of years that passed since the start of the simulation</source>
        <translation>Aantal jaren sinds de start van de simulatie</translation>
    </message>
    <message>
        <source>Number of years a person may expect to live at the moment of birth</source>
        <translation>Aantal jaren dat iemand bij de geboorte kan verwachten te leven</translation>
    </message>
    <message>
        <source>Average age of all people living on the island at present</source>
        <translation>Gemiddelde leeftijd van alle mensen die nu op het eiland leven</translation>
    </message>
    <message>
        <source>If the birthindex has this value, the population will neither in- or decrease but be stable.</source>
        <translation>Als het geboortecijfer deze waarde heeft, groeit of krimpt de bevolking niet maar blijft ze stabiel.</translation>
    </message>
    <message>
        <source>Percentual population increase compared to last year</source>
        <translation>Groei van de bevolking in procenten ten opzichte van vorig jaar</translation>
    </message>
    <message>
        <source>Percentage of people with an age of 65 years or more</source>
        <translation>Percentage mensen van 65 jaar of ouder</translation>
    </message>
    <message>
        <source>Percentage of people with an age of 15 years or less</source>
        <translation>Percentage mensen van 15 jaar of jonger</translation>
    </message>
    <message>
        <source>Bepaal de snelheid waarmee de simulatie wordt uitgevoerd</source>
        <translation>Bepaal de snelheid waarmee de simulatie wordt uitgevoerd</translation>
    </message>
    <message>
        <source>Important moments are announced on the billboard. When they appear, the simulation pauses automatically</source>
        <translation>Belangrijke momenten worden op het mededelingenbord gemeld. Dan pauzeert de simulatie vanzelf</translation>
    </message>
    <message>
        <source>In this section you determine how the program works.<byte value="xd"/>
You can start, pause or restart the simulation, etc.,<byte value="xd"/>
and you decide whether the hints or shown.</source>
        <translation>In dit vak bepaal je hoe het programma werkt.<byte value="xd"/>
Je kunt de simulatie starten, pauzeren, opnieuw beginnen enz.,<byte value="xd"/>
en je kiest of de hints getoond worden.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Return to the start</source>
        <translation>Terug naar het begin</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Uitleg</translation>
    </message>
    <message>
        <source>Press this button for an explanation of the programme</source>
        <translation>Druk op deze knop voor uitleg over het programma</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Step by step</source>
        <translation>Stap voor stap</translation>
    </message>
    <message>
        <source>Make the simulation proceed step by step, verlopen, 1 year at a time</source>
        <translation>Laat de simulatie stap voor stap verlopen, 1 jaar per keer</translation>
    </message>
    <message>
        <source>Sound signal at important moments</source>
        <translation>Geluid bij belangrijke momenten</translation>
    </message>
    <message>
        <source>Important moments are announced on the billboard. When they appear, a warning sound is heard</source>
        <translation>Belangrijke momenten worden op het mededelingenbord gemeld. Dan klinkt er een waarschuwing</translation>
    </message>
    <message>
        <source>Pause at important moments</source>
        <translation>Pauze bij belangrijke momenten</translation>
    </message>
    <message>
        <source>Show helping hints</source>
        <translation>Toon hulpteksten</translation>
    </message>
    <message>
        <source>A hint is a helping text, like the one you see now</source>
        <translation>Een hint is een hulptekst, zoals deze die je nu ziet</translation>
    </message>
    <message>
        <source>Scenarios</source>
        <translation>Scenario&apos;s</translation>
    </message>
    <message>
        <source>Constant  birth index, no or a constant migration</source>
        <translation>Vast geboortecijfer, geen of een vaste migratie</translation>
    </message>
    <message>
        <source>Many people (compared to equilibrium): high birth index. <byte value="xd"/>
Few people: low birth index</source>
        <translation>Veel mensen (vergeleken met het evenwicht): hoog geboortecijfer.<byte value="xd"/>
Weinig mensen: laag geboortecijfer</translation>
    </message>
    <message>
        <source>Many people (compared to equilibrium): low birth index. <byte value="xd"/>
Few people: high birth index</source>
        <translation>Veel mensen (vergeleken met het evenwicht): laag geboortecijfer.<byte value="xd"/>
Weinig mensen: hoog geboortecijfer</translation>
    </message>
    <message>
        <source>Population size increases or increases towards equilibrium and then becomes stable</source>
        <translation>De bevolking groeit of krimpt naar het evenwicht en wordt dan stabiel</translation>
    </message>
    <message>
        <source>Long term development, fairly reflecting reality.<byte value="xd"/>
Low birth index, low child mortality, slow population increase</source>
        <translation>Ontwikkeling op lange termijn, vrij dicht bij de werkelijkheid.<byte value="xd"/>
Laag geboortecijfer, lage kindersterfte, langzame bevolkingsgroei</translation>
    </message>
    <message>
        <source>Long term development, fairly reflecting reality.<byte value="xd"/>
Average birth index, average child mortality, average population increase</source>
        <translation>Ontwikkeling op lange termijn, vrij dicht bij de werkelijkheid.<byte value="xd"/>
Gemiddeld geboortecijfer, gemiddelde kindersterfte, gemiddelde bevolkingsgroei</translation>
    </message>
    <message>
        <source>Long term development, fairly reflecting reality.<byte value="xd"/>
High birth index, high child mortality, rapid population increase</source>
        <translation>Ontwikkeling op lange termijn, vrij dicht bij de werkelijkheid.<byte value="xd"/>
Hoog geboortecijfer, hoge kindersterfte, snelle bevolkingsgroei</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Aantal mensen dat op dit moment leeft</source>
        <translation>Aantal mensen dat op dit moment leeft</translation>
    </message>
    <message>
        <source>Gemiddeld aantal kinderen dat per vrouw geboren wordt</source>
        <translation>Gemiddeld aantal kinderen dat per vrouw geboren wordt</translation>
    </message>
    <message>
        <source>Percentage kinderen dat al in het eerste levensjaar overlijdt</source>
        <translation>Percentage kinderen dat al in het eerste levensjaar overlijdt</translation>
    </message>
    <message>
        <source>Percentage mensen met een leeftijd tussen 15 en 65 jaar dat in een jaar tijd overlijdt</source>
        <translation>Percentage mensen met een leeftijd tussen 15 en 65 jaar dat in een jaar tijd overlijdt</translation>
    </message>
    <message>
        <source>Population size</source>
        <translation>Bevolking</translation>
    </message>
    <message>
        <source>Number of people living at present</source>
        <translation>Aantal mensen dat nu leeft</translation>
    </message>
    <message>
        <source>Stabile population level</source>
        <translation>Stabiel bevolkingsniveau</translation>
    </message>
    <message>
        <source>Birth index</source>
        <translation>Geboortecijfer</translation>
    </message>
    <message>
        <source>Average number of children born to each woman</source>
        <translation>Gemiddeld aantal kinderen per vrouw</translation>
    </message>
    <message>
        <source>% Baby mortality</source>
        <translation>% Babysterfte</translation>
    </message>
    <message>
        <source>Percentage of children dyinf on the first year of life</source>
        <translation>Percentage kinderen dat in het eerste levensjaar overlijdt</translation>
    </message>
    <message>
        <source>% Adult mortality</source>
        <translation>% Sterfte volwassenen</translation>
    </message>
    <message>
        <source>Percentage of people with an age between 15 and 65 jaar that will die within one year</source>
        <translation>Percentage mensen tussen 15 en 65 jaar dat binnen een jaar overlijdt</translation>
    </message>
    <message>
        <source>% Immigration</source>
        <translation>% Immigratie</translation>
    </message>
    <message>
        <source>Met de knoppen in dit vak kun je eenmalige gebeurtenis oproepen die gedurende een aantal jaren doorwerkt</source>
        <translation>Met de knoppen in dit vak kun je een eenmalige gebeurtenis oproepen die een aantal jaren doorwerkt</translation>
    </message>
    <message>
        <source>Incidents</source>
        <translation>Gebeurtenissen</translation>
    </message>
    <message>
        <source>The buttons in this section will call for a one-time incident that will have consequences for a number of years</source>
        <translation>De knoppen in dit vak roepen een eenmalige gebeurtenis op die een aantal jaren gevolgen heeft</translation>
    </message>
    <message>
        <source>Epidemic</source>
        <translation>Epidemie</translation>
    </message>
    <message>
        <source>During 10 years an epidemic will target mainly children and elderly</source>
        <translation>10 jaar lang treft een epidemie vooral kinderen en ouderen</translation>
    </message>
    <message>
        <source>1 child policy</source>
        <translation>Eenkindbeleid</translation>
    </message>
    <message>
        <source>The government obliges a maximum of one child per family during 30 years</source>
        <translation>De overheid staat 30 jaar lang hooguit één kind per gezin toe</translation>
    </message>
    <message>
        <source>Immigration wave</source>
        <translation>Immigratiegolf</translation>
    </message>
    <message>
        <source>For 20 years, people able to get jobs will enter the island</source>
        <translation>20 jaar lang komen mensen die werk kunnen vinden naar het eiland</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Jaren</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Uitkomsten</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Annual population growth</source>
        <translation>Bevolkingsgroei per jaar</translation>
    </message>
    <message>
        <source>Replacement birth index</source>
        <translation>Vervangingscijfer</translation>
    </message>
    <message>
        <source>Life expectancy</source>
        <translation>Levensverwachting</translation>
    </message>
    <message>
        <source>Mean age</source>
        <translation>Gemiddelde leeftijd</translation>
    </message>
    <message>
        <source>Elderly</source>
        <translation>Ouderen</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Kinderen</translation>
    </message>
    <message>
        <source>Bulletin board</source>
        <translation>Mededelingenbord</translation>
    </message>
    <message>
        <source>Map of the island where the simulation takes place</source>
        <translation>Kaart van het eiland waar de simulatie plaatsvindt</translation>
    </message>
    <message>
        <source>The population pyramid shows the age composition in layers of 5 years</source>
        <translation>De bevolkingspiramide toont de leeftijdsopbouw in lagen van 5 jaar</translation>
    </message>
    <message>
        <source>Population pyramid</source>
        <translation>Bevolkingspiramide</translation>
    </message>
    <message>
        <source>The population pyramid shows the ages of the population in discs of 5 years</source>
        <translation>De bevolkingspiramide toont de leeftijden van de bevolking in schijven van 5 jaar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Save the pyramid as an image file</source>
        <translation>Sla de piramide op als afbeelding</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>Bevolking</translation>
    </message>
    <message>
        <source>This graph shows the population size over time.<byte value="xd"/>
The x axis depicts the years of the simulation.</source>
        <translation>Deze grafiek toont de grootte van de bevolking in de loop van de tijd.<byte value="xd"/>
De x-as geeft de jaren van de simulatie.</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Geboorte</translation>
    </message>
    <message>
        <source>This graph shows the speed at which women produce children, dependent on their age.<byte value="xd"/>
The x axis depicts the age of the (eventual) mother.</source>
        <translation>Deze grafiek toont hoe snel vrouwen kinderen krijgen, afhankelijk van hun leeftijd.<byte value="xd"/>
De x-as geeft de leeftijd van de (eventuele) moeder.</translation>
    </message>
    <message>
        <source>Mortality</source>
        <translation>Sterfte</translation>
    </message>
    <message>
        <source>This graph shows the chance for someone to die at a certain age</source>
        <translation>Deze grafiek toont de kans dat iemand op een bepaalde leeftijd overlijdt</translation>
    </message>
    <message>
        <source>Survival chance</source>
        <translation>Overleving</translation>
    </message>
    <message>
        <source>Deze grafiek toont de kans dat iemand op een bepaalde leeftijd nog in leven is<byte value="xd"/>
This graph shows the chance for someone to be still alive at a certain age</source>
        <translation>Deze grafiek toont de kans dat iemand op een bepaalde leeftijd nog in leven is</translation>
    </message>
    <message>
        <source>Linear scale</source>
        <translation>Lineaire schaal</translation>
    </message>
    <message>
        <source>A linear scale makes exponential growth remarkably visible.<byte value="xd"/>
A disadvantage is that a small population is hardly visible.</source>
        <translation>Een lineaire schaal maakt exponentiële groei goed zichtbaar.<byte value="xd"/>
Een nadeel is dat een kleine bevolking nauwelijks te zien is.</translation>
    </message>
    <message>
        <source>Logarithmic scale</source>
        <translation>Logaritmische schaal</translation>
    </message>
    <message>
        <source>A logarithmic scale shows exponential growth as a strait line.<byte value="xd"/>
This scale is suitable to discern small and large populations.</source>
        <translation>Een logaritmische schaal toont exponentiële groei als een rechte lijn.<byte value="xd"/>
Deze schaal is geschikt om kleine en grote bevolkingen te onderscheiden.</translation>
    </message>
    <message>
        <source>Zoom IN</source>
        <translation>Zoom IN</translation>
    </message>
    <message>
        <source>Enlarge the graph</source>
        <translation>Vergroot de grafiek</translation>
    </message>
    <message>
        <source>Zoom OUT</source>
        <translation>Zoom UIT</translation>
    </message>
    <message>
        <source>Shrink the graph</source>
        <translation>Verklein de grafiek</translation>
    </message>
    <message>
        <source>Save graph</source>
        <translation>Sla grafiek op</translation>
    </message>
    <message>
        <source>Save the graph as an image file</source>
        <translation>Sla de grafiek op als afbeelding</translation>
    </message>
    <message>
        <source>Save data</source>
        <translation>Sla data op</translation>
    </message>
    <message>
        <source>Save the data shown in the graph as a text file</source>
        <translation>Sla de gegevens van de grafiek op als tekstbestand</translation>
    </message>
    <message>
        <source>Move the mouse through the graph when the simulation pauses<byte value="xd"/>
to see the population pyramid and the messages on each moment in the past.</source>
        <translation>Beweeg de muis door de grafiek als de simulatie pauzeert<byte value="xd"/>
om de bevolkingspiramide en de berichten van elk moment in het verleden te zien.</translation>
    </message>
    <message>
        <source>Danger zone: overpopulation and environmental destruction.<byte value="xd"/>
If the population size crosses the red line, the system may collapse dramatically.</source>
        <translation>Gevarenzone: overbevolking en milieuvernietiging.<byte value="xd"/>
Als de bevolking de rode lijn overschrijdt, kan het systeem dramatisch instorten.</translation>
    </message>
    <message>
        <source>Danger zone: underpopulation.<byte value="xd"/>
Through inbreeding and economic stagnation the birth index decreases to zero.<byte value="xd"/>
The population may become extinct.</source>
        <translation>Gevarenzone: onderbevolking.<byte value="xd"/>
Door inteelt en economische stilstand daalt het geboortecijfer tot nul.<byte value="xd"/>
De bevolking kan uitsterven.</translation>
    </message>
    <message>
        <source>Equilibrium population level</source>
        <translation>Evenwichtsniveau van de bevolking</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafiek</translation>
    </message>
    <message>
        <source>Map of the island</source>
        <translation>Kaart van het eiland</translation>
    </message>
    <message>
        <source>Instruction</source>
        <translation>Aanwijzing</translation>
    </message>
    <message>
        <source>Program information</source>
        <translation>Programma-informatie</translation>
    </message>
    <message>
        <source>Enhanced Metafile (*.emf)</source>
        <translation>Enhanced Metafile (*.emf)</translation>
    </message>
    <message>
        <source>Metafile (*.wmf)</source>
        <translation>Metafile (*.wmf)</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>JPEG Image File (*.jpg)</source>
        <translation>JPEG-afbeelding (*.jpg)</translation>
    </message>
    <message>
        <source>CompuServe GIF Image (*.gif)</source>
        <translation>CompuServe GIF-afbeelding (*.gif)</translation>
    </message>
    <message>
        <source>PNG Image (*.png)</source>
        <translation>PNG-afbeelding (*.png)</translation>
    </message>
    <message>
        <source>Scalable Vector Graphics (*.svg)</source>
        <translation>Scalable Vector Graphics (*.svg)</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Gegevens opslaan</translation>
    </message>
    <message>
        <source>Text file (*.txt)</source>
        <translation>Tekstbestand (*.txt)</translation>
    </message>
    <message>
        <source>Spreadsheet (*.csv)</source>
        <translation>Spreadsheet (*.csv)</translation>
    </message>
    <message>
        <source>Workbook (*.xlsx)</source>
        <translation>Werkmap (*.xlsx)</translation>
    </message>
    <message>
        <source>Save population pyramid as image file</source>
        <translation>Bevolkingspiramide opslaan als afbeelding</translation>
    </message>
    <message>
        <source>Save graph as image file</source>
        <translation>Grafiek opslaan als afbeelding</translation>
    </message>
    <message>
        <source>Start the simulation</source>
        <translation>Start de simulatie</translation>
    </message>
    <message>
        <source>Keep this curve for comparison</source>
        <translation>Deze curve bewaren om te vergelijken</translation>
    </message>
    <message>
        <source>Compare with a saved run…</source>
        <translation>Vergelijken met een opgeslagen simulatie…</translation>
    </message>
    <message>
        <source>Forget the kept curves</source>
        <translation>De bewaarde curven vergeten</translation>
    </message>
    <message>
        <source>Compare with a saved run</source>
        <translation>Vergelijken met een opgeslagen simulatie</translation>
    </message>
    <message>
        <source>Save animation…</source>
        <translation>Animatie opslaan…</translation>
    </message>
    <message>
        <source>Save as lesson…</source>
        <translation>Opslaan als les…</translation>
    </message>
    <message>
        <source>Save animation</source>
        <translation>Animatie opslaan</translation>
    </message>
    <message>
        <source>Save as lesson</source>
        <translation>Opslaan als les</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Jouw antwoord</translation>
    </message>
    <message>
        <source>Open a lesson</source>
        <translation>Een les openen</translation>
    </message>
    <message>
        <source>Lesson (*.vartel)</source>
        <translation>Les (*.vartel)</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Les</translation>
    </message>
    <message>
        <source>%1 is no lesson: %2</source>
        <translation>%1 is geen les: %2</translation>
    </message>
    <message>
        <source>The lesson fixes this</source>
        <translation>De les legt dit vast</translation>
    </message>
    <message>
        <source>Year %1: %2</source>
        <translation>Jaar %1: %2</translation>
    </message>
</context>
<context>
    <name>vartel::TForm2</name>
    <message>
        <source>Vartel  -  Programme explanation</source>
        <translation>Vartel  -  Uitleg bij het programma</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Kopieer naar klembord</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Printer properties</source>
        <translation>Printerinstellingen</translation>
    </message>
    <message>
        <source>Back to top</source>
        <translation>Terug naar boven</translation>
    </message>
    <message>
        <source>Programme explanation</source>
        <translation>Uitleg bij het programma</translation>
    </message>
    <message>
        <source>The programme explanation could not be printed</source>
        <translation>De uitleg kon niet worden afgedrukt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>No printer is connected</source>
        <translation>Er is geen printer aangesloten</translation>
    </message>
</context>
</TS>
