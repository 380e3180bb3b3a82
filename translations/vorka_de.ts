<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Category</name>
    <message>
        <source>1 Pair</source>
        <extracomment>Category button: two dice the same; scores their sum.</extracomment>
        <translation>1 Paar</translation>
    </message>
    <message>
        <source>2 Pairs</source>
        <extracomment>Category button: two pairs of different values; scores the sum of the four dice.</extracomment>
        <translation>2 Paare</translation>
    </message>
    <message>
        <source>3 of a Kind</source>
        <extracomment>Category button: three dice the same; scores their sum.</extracomment>
        <translation>Dreierpasch</translation>
    </message>
    <message>
        <source>4 of a Kind</source>
        <extracomment>Category button: four dice the same; scores their sum.</extracomment>
        <translation>Viererpasch</translation>
    </message>
    <message>
        <source>Low Straight</source>
        <extracomment>Category button: the dice 1 to 5; scores 15.</extracomment>
        <translation>Kleine Straße</translation>
    </message>
    <message>
        <source>High Straight</source>
        <extracomment>Category button: the dice 2 to 6; scores 20.</extracomment>
        <translation>Große Straße</translation>
    </message>
    <message>
        <source>Full House</source>
        <extracomment>Category button: three of one value and two of another; scores the sum of the dice.</extracomment>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Chance</source>
        <extracomment>Category button: any dice; scores the sum of the dice.</extracomment>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Ones</source>
        <extracomment>Category name (its button shows &quot;1&quot;): scores the sum of the dice showing 1.</extracomment>
        <translation>Einser</translation>
    </message>
    <message>
        <source>Twos</source>
        <extracomment>Category name (its button shows &quot;2&quot;): scores the sum of the dice showing 2.</extracomment>
        <translation>Zweier</translation>
    </message>
    <message>
        <source>Threes</source>
        <extracomment>Category name (its button shows &quot;3&quot;): scores the sum of the dice showing 3.</extracomment>
        <translation>Dreier</translation>
    </message>
    <message>
        <source>Fours</source>
        <extracomment>Category name (its button shows &quot;4&quot;): scores the sum of the dice showing 4.</extracomment>
        <translation>Vierer</translation>
    </message>
    <message>
        <source>Fives</source>
        <extracomment>Category name (its button shows &quot;5&quot;): scores the sum of the dice showing 5.</extracomment>
        <translation>Fünfer</translation>
    </message>
    <message>
        <source>Sixes</source>
        <extracomment>Category name (its button shows &quot;6&quot;): scores the sum of the dice showing 6.</extracomment>
        <translation>Sechser</translation>
    </message>
</context>
<context>
    <name>ComputerPlayer</name>
    <message>
        <source>%1 is thinking...</source>
        <extracomment>In the status bar while the computer works out its play; %1 is the seat&apos;s name.</extracomment>
        <translation>%1 überlegt...</translation>
    </message>
</context>
<context>
    <name>ComputerSeats</name>
    <message>
        <source>Let the computer play for %1</source>
        <extracomment>Entry of a player button&apos;s menu; %1 is the player&apos;s name.</extracomment>
        <translation>Computer für %1 spielen lassen</translation>
    </message>
    <message>
        <source>Let the computer play casually for %1</source>
        <extracomment>Entry of a player button&apos;s menu; %1 is the player&apos;s name.</extracomment>
        <translation>Computer locker für %1 spielen lassen</translation>
    </message>
    <message>
        <source>Take %1&apos;s seat back</source>
        <extracomment>Entry of a player button&apos;s menu: a person plays the seat again; %1 is the player&apos;s name.</extracomment>
        <translation>%1 wieder selbst spielen lassen</translation>
    </message>
    <message>
        <source>%1 (computer)</source>
        <extracomment>A name as the final scores list it when the computer played the seat; %1 is the name.</extracomment>
        <translation>%1 (Computer)</translation>
    </message>
    <message>
        <source>Computer&apos;s pace</source>
        <extracomment>Submenu of a player button&apos;s menu: how quickly the computer plays.</extracomment>
        <translation>Tempo des Computers</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <extracomment>The computer&apos;s pace. Pick an access letter unique in the pace menu.</extracomment>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <extracomment>The computer&apos;s pace. Pick an access letter unique in the pace menu.</extracomment>
        <translation>&amp;Schnell</translation>
    </message>
    <message>
        <source>&amp;Instant, without pauses</source>
        <extracomment>The computer&apos;s pace. Pick an access letter unique in the pace menu.</extracomment>
        <translation>So&amp;fort, ohne Pausen</translation>
    </message>
    <message>
        <source>There is no game in progress.</source>
        <translation>Es läuft kein Spiel.</translation>
    </message>
    <message>
        <source>No hint for this card.</source>
        <translation>Für diesen Spielzettel gibt es keinen Tipp.</translation>
    </message>
</context>
<context>
    <name>DialogAnswers</name>
    <message>
        <source>Some letters of &quot;%1&quot; cannot be kept in a saved game; they will be saved as &quot;?&quot;.</source>
        <extracomment>%1 is a player&apos;s name.</extracomment>
        <translation>Einige Buchstaben von „%1“ lassen sich in einem gespeicherten Spiel nicht festhalten; sie werden als „?“ gespeichert.</translation>
    </message>
    <message>
        <source>Some letters of &quot;%1&quot; and &quot;%2&quot; cannot be kept in a saved game; they will be saved as &quot;?&quot;.</source>
        <extracomment>%1 and %2 are players&apos; names.</extracomment>
        <translation>Einige Buchstaben von „%1“ und „%2“ lassen sich in einem gespeicherten Spiel nicht festhalten; sie werden als „?“ gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>Some letters of &quot;%1&quot;, &quot;%2&quot; and %n more names cannot be kept in a saved game; they will be saved as &quot;?&quot;.</source>
        <extracomment>%1 and %2 are players&apos; names; %n the number of further names (1 or more).</extracomment>
        <translation>
            <numerusform>Einige Buchstaben von „%1“, „%2“ und einem weiteren Namen lassen sich in einem gespeicherten Spiel nicht festhalten; sie werden als „?“ gespeichert.</numerusform>
            <numerusform>Einige Buchstaben von „%1“, „%2“ und %n weiteren Namen lassen sich in einem gespeicherten Spiel nicht festhalten; sie werden als „?“ gespeichert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>Trotzdem speichern?</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Vorka Saved Games (*.vrk *.VRK);;All Files (*)</source>
        <extracomment>The file dialog&apos;s filter. Translate the two names only: keep the patterns in parentheses and the &quot;;;&quot; between the two filters as they are.</extracomment>
        <translation>Gespeicherte Vorka-Spiele (*.vrk *.VRK);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>FrmHighScores</name>
    <message>
        <source>Position</source>
        <extracomment>Column heading of the Halls of Fame and Shame: the place in the list.</extracomment>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column heading of the Halls of Fame and Shame: the player&apos;s name.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Column heading of the Halls of Fame and Shame: the final score.</extracomment>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Vorka Scores</source>
        <translation>Vorka-Ranglisten</translation>
    </message>
    <message>
        <source>HIGH SCORES</source>
        <extracomment>The window&apos;s big heading, in capitals.</extracomment>
        <translation>RANGLISTEN</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <translation>Ruhmeshalle</translation>
    </message>
    <message>
        <source>Show Hall of Fame</source>
        <translation>Ruhmeshalle zeigen</translation>
    </message>
    <message>
        <source>Hall of Shame</source>
        <translation>Schandhalle</translation>
    </message>
    <message>
        <source>Shows Hall of Fame</source>
        <extracomment>Tooltip of the Hall of Shame&apos;s tab. The English names the other Hall by an old slip that stays; translate it as &quot;Shows the Hall of Shame&quot;.</extracomment>
        <translation>Halle der Schande zeigen</translation>
    </message>
    <message>
        <source>&amp;Clear All Scores</source>
        <extracomment>Button that empties both Halls. Pick an access letter unique in this window; it wins over the main window&apos;s toolbar letters while this window has the focus.</extracomment>
        <translation>Alle Ergebnisse &amp;löschen</translation>
    </message>
    <message>
        <source>Another copy of Vorka is using the Halls of Fame and Shame just now.</source>
        <translation>Eine andere Kopie von Vorka benutzt gerade die Ruhmeshalle und die Halle der Schande.</translation>
    </message>
    <message>
        <source>The scores of this game will be entered as soon as it is done with them.</source>
        <translation>Die Ergebnisse dieses Spiels werden eingetragen, sobald sie damit fertig ist.</translation>
    </message>
</context>
<context>
    <name>FrmMainGame</name>
    <message>
        <source>Roll  </source>
        <extracomment>The button that rolls the dice. The two blanks at the end are part of the look.</extracomment>
        <translation>Würfeln  </translation>
    </message>
    <message>
        <source>Die %1: rolling</source>
        <extracomment>Spoken by a screen reader; %1 is the die&apos;s place, 1 to 5.</extracomment>
        <translation>Würfel %1: rollt</translation>
    </message>
    <message>
        <source>Roll this die again (key %1)</source>
        <extracomment>%1 is the key that rolls the die, 1 to 5.</extracomment>
        <translation>Diesen Würfel noch einmal werfen (Taste %1)</translation>
    </message>
    <message>
        <source>not rolled</source>
        <extracomment>What a screen reader says of a die not rolled yet.</extracomment>
        <translation>nicht geworfen</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <extracomment>Spoken by a screen reader; %1 is the die&apos;s place (1 to 5), %2 its face (1 to 6) or &quot;not rolled&quot;.</extracomment>
        <translation>Würfel %1: %2</translation>
    </message>
    <message>
        <source>Free</source>
        <extracomment>A category&apos;s state, spoken by a screen reader: it can still be scored.</extracomment>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Used</source>
        <extracomment>A category&apos;s state, spoken by a screen reader: it is scored already.</extracomment>
        <translation>Belegt</translation>
    </message>
    <message>
        <source>Free, score %1</source>
        <extracomment>A category that holds a score and can be scored again; %1 is the score.</extracomment>
        <translation>Frei, %1 Punkte</translation>
    </message>
    <message>
        <source>Used, score %1</source>
        <extracomment>A category scored already; %1 is its score.</extracomment>
        <translation>Belegt, %1 Punkte</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>What a screen reader says of a score cell that holds no score.</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A score cell as a screen reader says it; %1 is the category&apos;s name, %2 its score or &quot;empty&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>1 roll left</source>
        <extracomment>The rolls a player has left in this turn: exactly one.</extracomment>
        <translation>noch 1 Wurf</translation>
    </message>
    <message numerus="yes">
        <source>%n rolls left</source>
        <extracomment>The rolls a player has left in this turn: %n is 0, 2 or 3.</extracomment>
        <translation>
            <numerusform>noch %n Wurf</numerusform>
            <numerusform>noch %n Würfe</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Joins the faces of the five dice (&quot;Dice 1, 3, 3, 5, 6&quot;).</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Dice %1</source>
        <extracomment>%1 is the list of the five dice&apos;s faces, joined by &quot;, &quot;.</extracomment>
        <translation>Würfel %1</translation>
    </message>
    <message>
        <source>Dice not rolled yet</source>
        <translation>Würfel noch nicht geworfen</translation>
    </message>
    <message>
        <source>Roll, dice rolling</source>
        <extracomment>The Roll button as a screen reader says it while the dice spin.</extracomment>
        <translation>Würfeln, die Würfel rollen</translation>
    </message>
    <message>
        <source>Roll, %1</source>
        <extracomment>The Roll button as a screen reader says it; %1 is &quot;1 roll left&quot;, &quot;2 rolls left&quot;, ...</extracomment>
        <translation>Würfeln, %1</translation>
    </message>
    <message>
        <source>%1. %2. %3. %4.</source>
        <extracomment>The board in one sentence for a screen reader: %1 the dice, %2 the rolls left, %3 and %4 the two totals under the card.</extracomment>
        <translation>%1. %2. %3. %4.</translation>
    </message>
</context>
<context>
    <name>FrmMessageBox</name>
    <message>
        <source>OK  </source>
        <extracomment>Button caption. The two blanks after it are part of the look; keep them.</extracomment>
        <translation>OK  </translation>
    </message>
    <message>
        <source>YES  </source>
        <extracomment>Button caption. The two blanks after it are part of the look; keep them.</extracomment>
        <translation>JA  </translation>
    </message>
    <message>
        <source>NO  </source>
        <extracomment>Button caption. The two blanks after it are part of the look; keep them.</extracomment>
        <translation>NEIN  </translation>
    </message>
    <message>
        <source>YEAH  </source>
        <extracomment>Button caption: a casual &quot;yes&quot;. The two blanks after it are part of the look; keep them.</extracomment>
        <translation>KLAR  </translation>
    </message>
    <message>
        <source>NA  </source>
        <extracomment>Button caption: a casual &quot;no&quot;. The two blanks after it are part of the look; keep them.</extracomment>
        <translation>NÖ  </translation>
    </message>
    <message>
        <source>CANCEL  </source>
        <extracomment>Button caption. The two blanks after it are part of the look; keep them.</extracomment>
        <translation>ZURÜCK  </translation>
    </message>
    <message>
        <source>NEXT  </source>
        <extracomment>Button caption: on to the next player&apos;s name. The two blanks after it are part of the look; keep them.</extracomment>
        <translation>WEITER  </translation>
    </message>
    <message>
        <source>On my own</source>
        <extracomment>Option: play alone.</extracomment>
        <translation>Allein</translation>
    </message>
    <message>
        <source>With others</source>
        <extracomment>Option: play with others at the same computer.</extracomment>
        <translation>Mit anderen</translation>
    </message>
    <message>
        <source>Noname</source>
        <extracomment>The name a player gets who types none.</extracomment>
        <translation>Namenlos</translation>
    </message>
    <message>
        <source>Answer with %1.</source>
        <extracomment>What a screen reader says of the message box; %1 is a button&apos;s caption.</extracomment>
        <translation>Antworten Sie mit %1.</translation>
    </message>
    <message>
        <source>Answer with %1 or %2.</source>
        <extracomment>What a screen reader says of the message box; %1 and %2 are buttons&apos; captions.</extracomment>
        <translation>Antworten Sie mit %1 oder %2.</translation>
    </message>
    <message>
        <source>Answer with %1 or %2 or %3.</source>
        <extracomment>What a screen reader says of the message box; %1 to %3 are buttons&apos; captions.</extracomment>
        <translation>Antworten Sie mit %1, %2 oder %3.</translation>
    </message>
    <message>
        <source>Welcome to Vorka.</source>
        <translation>Willkommen bei Vorka.</translation>
    </message>
    <message>
        <source>Please select whether you would like to play alone or with others.</source>
        <translation>Bitte wählen Sie, ob Sie allein oder mit anderen spielen möchten.</translation>
    </message>
    <message>
        <source>Please enter the names of those playing.</source>
        <translation>Bitte geben Sie die Namen aller Spieler ein.</translation>
    </message>
    <message>
        <source>If you have reached the end of the list, click OK</source>
        <extracomment>&quot;OK&quot; is the caption of the button, without its blanks.</extracomment>
        <translation>Sind Sie am Ende der Liste angekommen, klicken Sie auf OK</translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation>Bitte geben Sie Ihren Namen ein.</translation>
    </message>
    <message>
        <source>Chosing this option would place 0 in this cell.</source>
        <extracomment>Asked before a category is scored 0. The misspelling &quot;Chosing&quot; is the game&apos;s own; translate it correctly spelt.</extracomment>
        <translation>Mit dieser Wahl käme eine 0 in dieses Feld.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>LEAVE VORKA????!!!</source>
        <extracomment>Asked before the program ends; shouted on purpose.</extracomment>
        <translation>VORKA VERLASSEN????!!!</translation>
    </message>
    <message>
        <source>Are you sure????</source>
        <extracomment>Asked before the program ends; the many question marks are on purpose.</extracomment>
        <translation>Sind Sie sicher????</translation>
    </message>
    <message>
        <source>You&apos;ll forfeit the current game!!</source>
        <translation>Das laufende Spiel ist dann verloren!!</translation>
    </message>
    <message>
        <source>Choosing this option will forfeit the current game.</source>
        <translation>Mit dieser Wahl geben Sie das laufende Spiel auf.</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Column headings of the final scores at the end of a game.</extracomment>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>FrmNewPlayer</name>
    <message>
        <source>IT&apos;s</source>
        <extracomment>First line of the turn announcement &quot;IT&apos;s ANN&apos;s GO!&quot; (three lines, the name in the middle); its odd capitals are part of the look.</extracomment>
        <translation>HEY,</translation>
    </message>
    <message>
        <source>GO!</source>
        <extracomment>Last line of the turn announcement &quot;IT&apos;s ANN&apos;s GO!&quot;.</extracomment>
        <translation>DRAN!</translation>
    </message>
    <message>
        <source>OK  </source>
        <extracomment>Button caption. The two blanks after it are part of the look; keep them.</extracomment>
        <translation>OK  </translation>
    </message>
    <message>
        <source>%1&apos;s</source>
        <extracomment>Middle line of the turn announcement &quot;IT&apos;s ANN&apos;s GO!&quot;; %1 is the player&apos;s name in capitals.</extracomment>
        <translation>%1 IST</translation>
    </message>
    <message>
        <source>It&apos;s %1&apos;s go!</source>
        <extracomment>What a screen reader says as the turn is announced; %1 is the player&apos;s name.</extracomment>
        <translation>%1 ist dran!</translation>
    </message>
</context>
<context>
    <name>GameResult</name>
    <message>
        <source>Game over.</source>
        <translation>Spiel vorbei.</translation>
    </message>
    <message>
        <source>%1 wins the game with a score of %2. Well played!</source>
        <extracomment>%1 is the winner&apos;s name, %2 the winning score.</extracomment>
        <translation>%1 gewinnt das Spiel mit %2 Punkten. Gut gespielt!</translation>
    </message>
    <message numerus="yes">
        <source>All %n players scored %1 and therefore drew. Well played!</source>
        <extracomment>%n is the number of players (always 2 or more), %1 the score they share.</extracomment>
        <translation>
            <numerusform>Alle %n Spieler haben %1 Punkte und spielen damit unentschieden. Gut gespielt!</numerusform>
            <numerusform>Alle %n Spieler haben %1 Punkte und spielen damit unentschieden. Gut gespielt!</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Joins the names of the players who drew, all but the last two (those are joined by &quot;and&quot; in the sentence that lists them).</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>The game was drawn between %1 and %2, sharing a score of %3. Well played!</source>
        <extracomment>%1 is a list of names (&quot;Ann, Bob&quot;), %2 the last name, %3 the score they share.</extracomment>
        <translation>Das Spiel endet unentschieden zwischen %1 und %2 mit je %3 Punkten. Gut gespielt!</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>There is no game in progress to save.</source>
        <translation>Es läuft kein Spiel, das sich speichern ließe.</translation>
    </message>
</context>
<context>
    <name>Halls</name>
    <message>
        <source>%1 cannot be started: %2</source>
        <extracomment>%1 is the path of the program that writes the shared Halls, %2 the system&apos;s reason.</extracomment>
        <translation>%1 lässt sich nicht starten: %2</translation>
    </message>
    <message>
        <source>%1 ended abnormally</source>
        <extracomment>%1 is the path of the program that writes the shared Halls.</extracomment>
        <translation>%1 wurde unerwartet beendet</translation>
    </message>
    <message>
        <source>%1 refused the scores (%2)</source>
        <extracomment>%1 is the path of the program that writes the shared Halls, %2 its reason (in English: it comes from that program).</extracomment>
        <translation>%1 hat die Ergebnisse abgelehnt (%2)</translation>
    </message>
    <message>
        <source>there is no file to keep them in</source>
        <extracomment>Why the scores waiting for the Halls cannot be kept.</extracomment>
        <translation>es gibt keine Datei, in der sie bleiben könnten</translation>
    </message>
    <message>
        <source>Choosing this option will delete all scores on both the Hall of Fame and the Hall of Shame.</source>
        <translation>Mit dieser Wahl löschen Sie alle Ergebnisse in der Ruhmeshalle und in der Halle der Schande.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <extracomment>Asked before the Halls of Fame and Shame are emptied.</extracomment>
        <translation>Sind Sie sicher?</translation>
    </message>
</context>
<context>
    <name>HallsRequest</name>
    <message>
        <source>the Halls&apos; writer gave no answer</source>
        <extracomment>Why the scores could not be entered in the shared Halls.</extracomment>
        <translation>das Programm, das die Hallen schreibt, hat nicht geantwortet</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Page not found</source>
        <translation>Seite nicht gefunden</translation>
    </message>
    <message>
        <source>The help page &quot;%1&quot; could not be found.</source>
        <extracomment>On the help window&apos;s page for a missing page; %1 is the page&apos;s file name.</extracomment>
        <translation>Die Hilfeseite „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Press Contents to go back to the list of help topics. The game itself is not affected.</source>
        <extracomment>&quot;Contents&quot; is the caption of the help window&apos;s button, without its &quot;&amp;&quot;.</extracomment>
        <translation>Drücken Sie Inhalt, um zur Liste der Hilfethemen zurückzukehren. Das Spiel selbst bleibt davon unberührt.</translation>
    </message>
    <message>
        <source>Vorka Help</source>
        <translation>Vorka-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Help window button: the page before. Pick an access letter unique in this window.</extracomment>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <extracomment>Help window button. Pick an access letter unique in this window.</extracomment>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Help window button: back to the list of topics. Pick an access letter unique in this window.</extracomment>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>That link leads outside Vorka&apos;s help, so it is not opened.</source>
        <translation>Dieser Link führt aus der Hilfe von Vorka hinaus und wird deshalb nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>HintWindow</name>
    <message>
        <source>Hint</source>
        <extracomment>Title of the window that shows what each choice is worth.</extracomment>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Choice</source>
        <extracomment>Column heading: what the player can do (roll, or score a category).</extracomment>
        <translation>Wahl</translation>
    </message>
    <message>
        <source>Expected final score</source>
        <translation>Erwartetes Endergebnis</translation>
    </message>
    <message>
        <source>Roll all dice</source>
        <translation>Alle Würfel werfen</translation>
    </message>
    <message>
        <source>Roll die %1</source>
        <extracomment>%1 is the die&apos;s number, 1 to 5 from the left.</extracomment>
        <translation>Würfel %1 werfen</translation>
    </message>
    <message>
        <source>Score %1</source>
        <extracomment>%1 is a category&apos;s name, such as &quot;Full House&quot;.</extracomment>
        <translation>%1 werten</translation>
    </message>
    <message>
        <source>%1 has nothing left to choose.</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>%1 hat nichts mehr zu wählen.</translation>
    </message>
    <message>
        <source>%1: best is %2, for %3 in the end on average.</source>
        <extracomment>%1 is the player&apos;s name, %2 a choice such as &quot;Roll all dice&quot;, %3 the expected final score.</extracomment>
        <translation>%1: Am besten ist „%2“, am Ende im Mittel %3 Punkte.</translation>
    </message>
    <message>
        <source>Working out the best moves; the hint follows in a few seconds.</source>
        <translation>Die besten Züge werden berechnet; der Tipp folgt in einigen Sekunden.</translation>
    </message>
</context>
<context>
    <name>MDIFrmMainGame</name>
    <message>
        <source>Selects %1&apos;s Playerboard (computer)</source>
        <extracomment>Tooltip of a player&apos;s button; %1 is the player&apos;s name.</extracomment>
        <translation>Wählt das Brett von %1 (Computer)</translation>
    </message>
    <message>
        <source>Selects %1&apos;s Playerboard</source>
        <extracomment>Tooltip of a player&apos;s button; %1 is the player&apos;s name.</extracomment>
        <translation>Wählt das Brett von %1</translation>
    </message>
    <message>
        <source>Players</source>
        <extracomment>Title of the toolbar with one button per player, shown in its context menu.</extracomment>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Commands</source>
        <extracomment>Title of the toolbar with the game&apos;s commands, shown in its context menu.</extracomment>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Customize Toolbar...</source>
        <translation>Werkzeugleiste anpassen...</translation>
    </message>
    <message>
        <source>%1&apos;s turn (computer)</source>
        <extracomment>Start of the status bar&apos;s text; %1 is the player&apos;s name.</extracomment>
        <translation>%1 ist am Zug (Computer)</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <extracomment>Start of the status bar&apos;s text; %1 is the player&apos;s name.</extracomment>
        <translation>%1 ist am Zug</translation>
    </message>
    <message>
        <source>%1, 1 roll left. Sounds on.</source>
        <extracomment>Status bar; %1 is &quot;Ann&apos;s turn&quot; or &quot;Ann&apos;s turn (computer)&quot;.</extracomment>
        <translation>%1, noch 1 Wurf. Töne an.</translation>
    </message>
    <message>
        <source>%1, 1 roll left. Sounds off.</source>
        <extracomment>Status bar; %1 is &quot;Ann&apos;s turn&quot; or &quot;Ann&apos;s turn (computer)&quot;.</extracomment>
        <translation>%1, noch 1 Wurf. Töne aus.</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n rolls left. Sounds on.</source>
        <extracomment>Status bar; %1 is &quot;Ann&apos;s turn&quot; or &quot;Ann&apos;s turn (computer)&quot;; %n rolls left (0, 2 or 3).</extracomment>
        <translation>
            <numerusform>%1, noch %n Wurf. Töne an.</numerusform>
            <numerusform>%1, noch %n Würfe. Töne an.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n rolls left. Sounds off.</source>
        <extracomment>Status bar; %1 is &quot;Ann&apos;s turn&quot; or &quot;Ann&apos;s turn (computer)&quot;; %n rolls left (0, 2 or 3).</extracomment>
        <translation>
            <numerusform>%1, noch %n Wurf. Töne aus.</numerusform>
            <numerusform>%1, noch %n Würfe. Töne aus.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PulseSoundPlayer</name>
    <message>
        <source>Sound effects</source>
        <extracomment>The game&apos;s sound stream as the desktop&apos;s volume control lists it.</extracomment>
        <translation>Soundeffekte</translation>
    </message>
</context>
<context>
    <name>RegistryStore</name>
    <message>
        <source>%1 is not a store of Vorka&apos;s, or it is damaged</source>
        <extracomment>%1 is the path of the file that keeps the Halls.</extracomment>
        <translation>%1 ist keine Datei von Vorka, oder sie ist beschädigt</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>A category&apos;s name quoted in a message; %1 is the name (&quot;Fours&quot;, &quot;1 Pair&quot;).</extracomment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>Error number %1:</source>
        <extracomment>The first line of a message that a saved game could not be opened; %1 is the error&apos;s number.</extracomment>
        <translation>Fehler Nummer %1:</translation>
    </message>
    <message>
        <source>The file ends before the number of players.</source>
        <translation>Die Datei endet vor der Zahl der Spieler.</translation>
    </message>
    <message>
        <source>The file gives %1 as the number of players.</source>
        <extracomment>%1 is a number below 1.</extracomment>
        <translation>Die Datei gibt %1 als Zahl der Spieler an.</translation>
    </message>
    <message>
        <source>The saved game has %1 players; Vorka plays games of at most %2 players.</source>
        <extracomment>%1 is the number of players in the file, %2 the most the game plays.</extracomment>
        <translation>Das gespeicherte Spiel hat %1 Spieler; Vorka spielt Spiele mit höchstens %2 Spielern.</translation>
    </message>
    <message>
        <source>The file is cut short: it ends before the part that says whose turn it is.</source>
        <translation>Die Datei ist unvollständig: Sie endet vor dem Teil, der sagt, wer am Zug ist.</translation>
    </message>
    <message>
        <source>The file is cut short: it ends inside the record of its one player.</source>
        <translation>Die Datei ist unvollständig: Sie endet mitten im Eintrag ihres einzigen Spielers.</translation>
    </message>
    <message numerus="yes">
        <source>The file is cut short: it names %n players, but none of them is in it whole.</source>
        <extracomment>%n is the number of players the file names, 2 or more.</extracomment>
        <translation>
            <numerusform>Die Datei ist unvollständig: Sie nennt %n Spieler, aber keiner davon ist vollständig enthalten.</numerusform>
            <numerusform>Die Datei ist unvollständig: Sie nennt %n Spieler, aber keiner davon ist vollständig enthalten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is cut short: it names %n players, but only one of them is in it whole.</source>
        <extracomment>%n is the number of players the file names, 2 or more.</extracomment>
        <translation>
            <numerusform>Die Datei ist unvollständig: Sie nennt %n Spieler, aber nur einer davon ist vollständig enthalten.</numerusform>
            <numerusform>Die Datei ist unvollständig: Sie nennt %n Spieler, aber nur einer davon ist vollständig enthalten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is cut short: it names %1 players, but only %n of them are in it whole.</source>
        <extracomment>%1 is the number of players the file names, %n how many of them it holds whole (2 or more).</extracomment>
        <translation>
            <numerusform>Die Datei ist unvollständig: Sie nennt %1 Spieler, aber nur %n davon ist vollständig enthalten.</numerusform>
            <numerusform>Die Datei ist unvollständig: Sie nennt %1 Spieler, aber nur %n davon sind vollständig enthalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>The name of player %1 is %2 bytes long, more than its record holds.</source>
        <extracomment>%1 is the player&apos;s place in the file, %2 a number of bytes.</extracomment>
        <translation>Der Name von Spieler %1 ist %2 Byte lang, mehr als sein Eintrag fasst.</translation>
    </message>
    <message>
        <source>Player %1 of the file carries the index %2; the players must be numbered 0 to %3, each once.</source>
        <extracomment>%1 is the player&apos;s place in the file, %2 the index it holds, %3 the highest index allowed.</extracomment>
        <translation>Spieler %1 der Datei trägt den Index %2; die Spieler müssen von 0 bis %3 nummeriert sein, jede Nummer einmal.</translation>
    </message>
    <message>
        <source>Category %1 of player %2 is marked %3, which is neither free nor used.</source>
        <extracomment>%1 is a quoted category name, %2 the player&apos;s place in the file, %3 the number found.</extracomment>
        <translation>Die Kategorie %1 von Spieler %2 ist mit %3 markiert, was weder frei noch belegt bedeutet.</translation>
    </message>
    <message>
        <source>Category %1 of player %2 holds %3, a score it cannot give.</source>
        <extracomment>%1 is a quoted category name, %2 the player&apos;s place in the file, %3 the score found.</extracomment>
        <translation>Die Kategorie %1 von Spieler %2 enthält %3, eine Punktzahl, die sie nicht ergeben kann.</translation>
    </message>
    <message>
        <source>The file gives the turn to player index %1, but its players are numbered 0 to %2.</source>
        <extracomment>%1 is the index found, %2 the highest index of the file&apos;s players.</extracomment>
        <translation>Die Datei gibt den Zug an den Spieler mit dem Index %1, aber ihre Spieler sind von 0 bis %2 nummeriert.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Die Datei „%1“ konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file could not be opened (a folder or a device was named).</extracomment>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Die Datei „%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>A saved game holds 1 to %1 players.</source>
        <extracomment>%1 is the most players a saved game holds.</extracomment>
        <translation>Ein gespeichertes Spiel enthält 1 bis %1 Spieler.</translation>
    </message>
    <message>
        <source>The number of players does not match the boards.</source>
        <translation>Die Zahl der Spieler passt nicht zu den Brettern.</translation>
    </message>
    <message>
        <source>The player whose turn it is is not one of the players.</source>
        <translation>Der Spieler, der am Zug ist, gehört nicht zu den Spielern.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is too long: a saved game keeps names of at most %2 characters.</source>
        <extracomment>%1 is the player&apos;s name, %2 the longest name a saved game keeps.</extracomment>
        <translation>Der Name „%1“ ist zu lang: Ein gespeichertes Spiel nimmt Namen mit höchstens %2 Zeichen auf.</translation>
    </message>
    <message>
        <source>The boards are not numbered in order.</source>
        <translation>Die Bretter sind nicht der Reihe nach nummeriert.</translation>
    </message>
    <message>
        <source>The card of %1 holds something the game cannot score in %2.</source>
        <extracomment>%1 is the player&apos;s name, %2 a quoted category name.</extracomment>
        <translation>Der Spielzettel von %1 enthält in %2 etwas, das das Spiel dort nicht werten kann.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be created: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Die Datei „%1“ konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be replaced: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Die Datei „%1“ konnte nicht ersetzt werden: %2.</translation>
    </message>
    <message>
        <source>This is not a TOL Vorka saved game file!</source>
        <translation>Das ist kein gespeichertes TOL-Vorka-Spiel!</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>The title of the message that a saved game could not be opened.</extracomment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The above error was encountered. The Open Game process was aborted.</source>
        <translation>Der obige Fehler ist aufgetreten. Das Öffnen des Spiels wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The game was not saved.</source>
        <translation>Das Spiel wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Save Game</source>
        <extracomment>The title of the file dialog that saves a game.</extracomment>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Load Game</source>
        <extracomment>The title of the file dialog that opens a saved game.</extracomment>
        <translation>Spiel laden</translation>
    </message>
</context>
<context>
    <name>ScoreKeeper</name>
    <message>
        <source>The Halls of Fame and Shame cannot be changed: %1.</source>
        <extracomment>%1 is the reason the system gives, such as &quot;Permission denied&quot;.</extracomment>
        <translation>Die Ruhmeshalle und die Halle der Schande lassen sich nicht ändern: %1.</translation>
    </message>
    <message>
        <source>The scores of your games are shown until Vorka ends, but they are not kept.</source>
        <translation>Die Ergebnisse Ihrer Spiele werden bis zum Ende von Vorka gezeigt, aber nicht aufbewahrt.</translation>
    </message>
    <message>
        <source>The scores still waiting for the Halls of Fame and Shame could not be kept for the next start of Vorka: %1.</source>
        <extracomment>%1 is the reason the system gives, such as &quot;Not a directory&quot;.</extracomment>
        <translation>Die Ergebnisse, die noch auf die Ruhmeshalle und die Halle der Schande warten, ließen sich nicht für den nächsten Start von Vorka aufbewahren: %1.</translation>
    </message>
    <message>
        <source>They are lost when Vorka ends.</source>
        <translation>Sie gehen verloren, wenn Vorka endet.</translation>
    </message>
    <message>
        <source>Waiting for the Halls of Fame and Shame.</source>
        <translation>Warte auf die Ruhmeshalle und die Halle der Schande.</translation>
    </message>
</context>
<context>
    <name>ToolbarCustomizer</name>
    <message>
        <source>Customize Toolbar</source>
        <translation>Werkzeugleiste anpassen</translation>
    </message>
    <message>
        <source>Tick the buttons the toolbar should show. Select one and use Move Up or Move Down, or drag it, to change the order. Every change takes effect at once and is kept for next time.</source>
        <translation>Haken Sie die Schaltflächen an, die die Werkzeugleiste zeigen soll. Um die Reihenfolge zu ändern, wählen Sie eine aus und drücken Nach oben oder Nach unten, oder Sie ziehen sie. Jede Änderung wirkt sofort und bleibt für das nächste Mal erhalten.</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <extracomment>Button. Pick an access letter unique in this dialog.</extracomment>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <extracomment>Button. Pick an access letter unique in this dialog.</extracomment>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <extracomment>Button that brings back the designed toolbar. Pick an access letter unique in this dialog.</extracomment>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Shows the original buttons in their original order</source>
        <translation>Zeigt die ursprünglichen Schaltflächen in ihrer ursprünglichen Reihenfolge</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button that closes the dialog.</extracomment>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ToolbarEntry</name>
    <message>
        <source>&amp;New</source>
        <extracomment>Toolbar button. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>New game</source>
        <extracomment>What the New button does, in the customise dialog and the status bar.</extracomment>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Starts a new game</source>
        <translation>Beginnt ein neues Spiel</translation>
    </message>
    <message>
        <source>S&amp;cores</source>
        <extracomment>Toolbar button. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>&amp;Ranglisten</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Ranglisten</translation>
    </message>
    <message>
        <source>Displays Vorka high scores</source>
        <translation>Zeigt die Vorka-Ranglisten</translation>
    </message>
    <message>
        <source>Separator</source>
        <extracomment>A separator line between toolbar buttons, as the customise dialog lists it.</extracomment>
        <translation>Trenner</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <extracomment>Toolbar button. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Spiel öffnen</translation>
    </message>
    <message>
        <source>Opens a previously saved game</source>
        <translation>Öffnet ein früher gespeichertes Spiel</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>Toolbar button. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Same Current Game</source>
        <extracomment>What the Save button does (saves the current game).</extracomment>
        <translation>Laufendes Spiel speichern</translation>
    </message>
    <message>
        <source>Sves the current game</source>
        <extracomment>Tooltip of the Save button.</extracomment>
        <translation>Speichert das laufende Spiel</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>Toolbar button. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>What the Quit button does (leaves the game), in the customise dialog.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Leaves Vorka</source>
        <translation>Beendet Vorka</translation>
    </message>
    <message>
        <source>So&amp;unds</source>
        <extracomment>Toolbar button that switches the sounds on and off. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>&amp;Töne</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>The Sounds button as the customise dialog lists it.</extracomment>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Toggles Vorka Sounds on/off</source>
        <translation>Schaltet die Töne von Vorka ein oder aus</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Toolbar button. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The Help button as the customise dialog lists it.</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Displays Vorka Help</source>
        <translation>Zeigt die Vorka-Hilfe</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <extracomment>Toolbar button that shows what each choice is worth. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>T&amp;ipp</translation>
    </message>
    <message>
        <source>Hint</source>
        <extracomment>The Hint button as the customise dialog lists it.</extracomment>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Shows what each choice is worth</source>
        <translation>Zeigt, was jede Wahl wert ist</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <extracomment>Toolbar button that lays the boards out side by side. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>N&amp;ebeneinander</translation>
    </message>
    <message>
        <source>Tile Boards</source>
        <translation>Bretter nebeneinander</translation>
    </message>
    <message>
        <source>Lays the boards out side by side, in rows when the window is tall enough</source>
        <translation>Ordnet die Bretter nebeneinander an, in Reihen, wenn das Fenster hoch genug ist</translation>
    </message>
    <message>
        <source>C&amp;ascade</source>
        <extracomment>Toolbar button that lays the boards out one over another. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>Überl&amp;append</translation>
    </message>
    <message>
        <source>Cascade Boards</source>
        <translation>Bretter überlappend</translation>
    </message>
    <message>
        <source>Lays the boards out one over another</source>
        <translation>Ordnet die Bretter überlappend an</translation>
    </message>
</context>
<context>
    <name>Totals</name>
    <message>
        <source>1-6 Total: %1</source>
        <extracomment>Under the six upper categories; %1 is their sum with the bonus. The blank after the colon is part of the look.</extracomment>
        <translation>Summe 1-6: %1</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <extracomment>Under the card; %1 is the sum of every category with the bonus.</extracomment>
        <translation>Gesamt: %1</translation>
    </message>
</context>
<context>
    <name>WaitingScores</name>
    <message>
        <source>%1 scores are waiting already, as many as are kept</source>
        <extracomment>Why more scores cannot wait for the Halls; %1 is the most that are kept (1024).</extracomment>
        <translation>Es warten schon %1 Ergebnisse, so viele wie aufbewahrt werden</translation>
    </message>
</context>
</TS>
