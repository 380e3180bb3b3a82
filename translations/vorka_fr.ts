<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Category</name>
    <message>
        <source>1 Pair</source>
        <extracomment>Category button: two dice the same; scores their sum.</extracomment>
        <translation>1 Paire</translation>
    </message>
    <message>
        <source>2 Pairs</source>
        <extracomment>Category button: two pairs of different values; scores the sum of the four dice.</extracomment>
        <translation>2 Paires</translation>
    </message>
    <message>
        <source>3 of a Kind</source>
        <extracomment>Category button: three dice the same; scores their sum.</extracomment>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>4 of a Kind</source>
        <extracomment>Category button: four dice the same; scores their sum.</extracomment>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Low Straight</source>
        <extracomment>Category button: the dice 1 to 5; scores 15.</extracomment>
        <translation>Petite suite</translation>
    </message>
    <message>
        <source>High Straight</source>
        <extracomment>Category button: the dice 2 to 6; scores 20.</extracomment>
        <translation>Grande suite</translation>
    </message>
    <message>
        <source>Full House</source>
        <extracomment>Category button: three of one value and two of another; scores the sum of the dice.</extracomment>
        <translation>Full</translation>
    </message>
    <message>
        <source>Chance</source>
        <extracomment>Category button: any dice; scores the sum of the dice.</extracomment>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Ones</source>
        <extracomment>Category name (its button shows &quot;1&quot;): scores the sum of the dice showing 1.</extracomment>
        <translation>As</translation>
    </message>
    <message>
        <source>Twos</source>
        <extracomment>Category name (its button shows &quot;2&quot;): scores the sum of the dice showing 2.</extracomment>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Threes</source>
        <extracomment>Category name (its button shows &quot;3&quot;): scores the sum of the dice showing 3.</extracomment>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Fours</source>
        <extracomment>Category name (its button shows &quot;4&quot;): scores the sum of the dice showing 4.</extracomment>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Fives</source>
        <extracomment>Category name (its button shows &quot;5&quot;): scores the sum of the dice showing 5.</extracomment>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Sixes</source>
        <extracomment>Category name (its button shows &quot;6&quot;): scores the sum of the dice showing 6.</extracomment>
        <translation>Six</translation>
    </message>
</context>
<context>
    <name>ComputerPlayer</name>
    <message>
        <source>%1 is thinking...</source>
        <extracomment>In the status bar while the computer works out its play; %1 is the seat&apos;s name.</extracomment>
        <translation>%1 réfléchit…</translation>
    </message>
</context>
<context>
    <name>ComputerSeats</name>
    <message>
        <source>Let the computer play for %1</source>
        <extracomment>Entry of a player button&apos;s menu; %1 is the player&apos;s name.</extracomment>
        <translation>Laisser l’ordinateur jouer pour %1</translation>
    </message>
    <message>
        <source>Let the computer play casually for %1</source>
        <extracomment>Entry of a player button&apos;s menu; %1 is the player&apos;s name.</extracomment>
        <translation>Laisser l’ordinateur jouer pour %1 sans forcer</translation>
    </message>
    <message>
        <source>Take %1&apos;s seat back</source>
        <extracomment>Entry of a player button&apos;s menu: a person plays the seat again; %1 is the player&apos;s name.</extracomment>
        <translation>Rendre sa place à %1</translation>
    </message>
    <message>
        <source>%1 (computer)</source>
        <extracomment>A name as the final scores list it when the computer played the seat; %1 is the name.</extracomment>
        <translation>%1 (ordinateur)</translation>
    </message>
    <message>
        <source>Computer&apos;s pace</source>
        <extracomment>Submenu of a player button&apos;s menu: how quickly the computer plays.</extracomment>
        <translation>Rythme de l’ordinateur</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <extracomment>The computer&apos;s pace. Pick an access letter unique in the pace menu.</extracomment>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <extracomment>The computer&apos;s pace. Pick an access letter unique in the pace menu.</extracomment>
        <translation>&amp;Rapide</translation>
    </message>
    <message>
        <source>&amp;Instant, without pauses</source>
        <extracomment>The computer&apos;s pace. Pick an access letter unique in the pace menu.</extracomment>
        <translation>&amp;Instantané, sans pause</translation>
    </message>
    <message>
        <source>There is no game in progress.</source>
        <translation>Aucune partie n’est en cours.</translation>
    </message>
    <message>
        <source>No hint for this card.</source>
        <translation>Pas de conseil pour cette feuille.</translation>
    </message>
</context>
<context>
    <name>DialogAnswers</name>
    <message>
        <source>Some letters of &quot;%1&quot; cannot be kept in a saved game; they will be saved as &quot;?&quot;.</source>
        <extracomment>%1 is a player&apos;s name.</extracomment>
        <translation>Certaines lettres de «&#xa0;%1&#xa0;» ne peuvent pas être gardées dans une partie enregistrée&#xa0;; elles seront enregistrées comme «&#xa0;?&#xa0;».</translation>
    </message>
    <message>
        <source>Some letters of &quot;%1&quot; and &quot;%2&quot; cannot be kept in a saved game; they will be saved as &quot;?&quot;.</source>
        <extracomment>%1 and %2 are players&apos; names.</extracomment>
        <translation>Certaines lettres de «&#xa0;%1&#xa0;» et de «&#xa0;%2&#xa0;» ne peuvent pas être gardées dans une partie enregistrée&#xa0;; elles seront enregistrées comme «&#xa0;?&#xa0;».</translation>
    </message>
    <message numerus="yes">
        <source>Some letters of &quot;%1&quot;, &quot;%2&quot; and %n more names cannot be kept in a saved game; they will be saved as &quot;?&quot;.</source>
        <extracomment>%1 and %2 are players&apos; names; %n the number of further names (1 or more).</extracomment>
        <translation>
            <numerusform>Certaines lettres de «&#xa0;%1&#xa0;», de «&#xa0;%2&#xa0;» et de %n autre nom ne peuvent pas être gardées dans une partie enregistrée&#xa0;; elles seront enregistrées comme «&#xa0;?&#xa0;».</numerusform>
            <numerusform>Certaines lettres de «&#xa0;%1&#xa0;», de «&#xa0;%2&#xa0;» et de %n autres noms ne peuvent pas être gardées dans une partie enregistrée&#xa0;; elles seront enregistrées comme «&#xa0;?&#xa0;».</numerusform>
        </translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>Enregistrer quand même&#xa0;?</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Vorka Saved Games (*.vrk *.VRK);;All Files (*)</source>
        <extracomment>The file dialog&apos;s filter. Translate the two names only: keep the patterns in parentheses and the &quot;;;&quot; between the two filters as they are.</extracomment>
        <translation>Parties enregistrées de Vorka (*.vrk *.VRK);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>FrmHighScores</name>
    <message>
        <source>Position</source>
        <extracomment>Column heading of the Halls of Fame and Shame: the place in the list.</extracomment>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column heading of the Halls of Fame and Shame: the player&apos;s name.</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Column heading of the Halls of Fame and Shame: the final score.</extracomment>
        <translation>Score</translation>
    </message>
    <message>
        <source>Vorka Scores</source>
        <translation>Scores de Vorka</translation>
    </message>
    <message>
        <source>HIGH SCORES</source>
        <extracomment>The window&apos;s big heading, in capitals.</extracomment>
        <translation>RECORDS</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <translation>Renommée</translation>
    </message>
    <message>
        <source>Show Hall of Fame</source>
        <translation>Affiche le Temple de la renommée</translation>
    </message>
    <message>
        <source>Hall of Shame</source>
        <translation>Honte</translation>
    </message>
    <message>
        <source>Shows Hall of Fame</source>
        <extracomment>Tooltip of the Hall of Shame&apos;s tab. The English names the other Hall by an old slip that stays; translate it as &quot;Shows the Hall of Shame&quot;.</extracomment>
        <translation>Affiche le Mur de la honte</translation>
    </message>
    <message>
        <source>&amp;Clear All Scores</source>
        <extracomment>Button that empties both Halls. Pick an access letter unique in this window; it wins over the main window&apos;s toolbar letters while this window has the focus.</extracomment>
        <translation>Effa&amp;cer tous les scores</translation>
    </message>
    <message>
        <source>Another copy of Vorka is using the Halls of Fame and Shame just now.</source>
        <translation>Une autre copie de Vorka utilise en ce moment le Temple de la renommée et le Mur de la honte.</translation>
    </message>
    <message>
        <source>The scores of this game will be entered as soon as it is done with them.</source>
        <translation>Les scores de cette partie y seront inscrits dès que l’autre copie les aura libérés.</translation>
    </message>
</context>
<context>
    <name>FrmMainGame</name>
    <message>
        <source>Roll  </source>
        <extracomment>The button that rolls the dice. The two blanks at the end are part of the look.</extracomment>
        <translation>Lancer  </translation>
    </message>
    <message>
        <source>Die %1: rolling</source>
        <extracomment>Spoken by a screen reader; %1 is the die&apos;s place, 1 to 5.</extracomment>
        <translation>Dé %1&#xa0;: en train de rouler</translation>
    </message>
    <message>
        <source>Roll this die again (key %1)</source>
        <extracomment>%1 is the key that rolls the die, 1 to 5.</extracomment>
        <translation>Relancer ce dé (touche %1)</translation>
    </message>
    <message>
        <source>not rolled</source>
        <extracomment>What a screen reader says of a die not rolled yet.</extracomment>
        <translation>pas lancé</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <extracomment>Spoken by a screen reader; %1 is the die&apos;s place (1 to 5), %2 its face (1 to 6) or &quot;not rolled&quot;.</extracomment>
        <translation>Dé %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Free</source>
        <extracomment>A category&apos;s state, spoken by a screen reader: it can still be scored.</extracomment>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Used</source>
        <extracomment>A category&apos;s state, spoken by a screen reader: it is scored already.</extracomment>
        <translation>Utilisée</translation>
    </message>
    <message>
        <source>Free, score %1</source>
        <extracomment>A category that holds a score and can be scored again; %1 is the score.</extracomment>
        <translation>Libre, score %1</translation>
    </message>
    <message>
        <source>Used, score %1</source>
        <extracomment>A category scored already; %1 is its score.</extracomment>
        <translation>Utilisée, score %1</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>What a screen reader says of a score cell that holds no score.</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A score cell as a screen reader says it; %1 is the category&apos;s name, %2 its score or &quot;empty&quot;.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>1 roll left</source>
        <extracomment>The rolls a player has left in this turn: exactly one.</extracomment>
        <translation>1 lancer restant</translation>
    </message>
    <message numerus="yes">
        <source>%n rolls left</source>
        <extracomment>The rolls a player has left in this turn: %n is 0, 2 or 3.</extracomment>
        <translation>
            <numerusform>%n lancer restant</numerusform>
            <numerusform>%n lancers restants</numerusform>
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
        <translation>Dés %1</translation>
    </message>
    <message>
        <source>Dice not rolled yet</source>
        <translation>Dés pas encore lancés</translation>
    </message>
    <message>
        <source>Roll, dice rolling</source>
        <extracomment>The Roll button as a screen reader says it while the dice spin.</extracomment>
        <translation>Lancer, les dés roulent</translation>
    </message>
    <message>
        <source>Roll, %1</source>
        <extracomment>The Roll button as a screen reader says it; %1 is &quot;1 roll left&quot;, &quot;2 rolls left&quot;, ...</extracomment>
        <translation>Lancer, %1</translation>
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
        <translation>OUI  </translation>
    </message>
    <message>
        <source>NO  </source>
        <extracomment>Button caption. The two blanks after it are part of the look; keep them.</extracomment>
        <translation>NON  </translation>
    </message>
    <message>
        <source>YEAH  </source>
        <extracomment>Button caption: a casual &quot;yes&quot;. The two blanks after it are part of the look; keep them.</extracomment>
        <translation>OUAIS  </translation>
    </message>
    <message>
        <source>NA  </source>
        <extracomment>Button caption: a casual &quot;no&quot;. The two blanks after it are part of the look; keep them.</extracomment>
        <translation>NAN  </translation>
    </message>
    <message>
        <source>CANCEL  </source>
        <extracomment>Button caption. The two blanks after it are part of the look; keep them.</extracomment>
        <translation>ANNULER  </translation>
    </message>
    <message>
        <source>NEXT  </source>
        <extracomment>Button caption: on to the next player&apos;s name. The two blanks after it are part of the look; keep them.</extracomment>
        <translation>SUIVANT  </translation>
    </message>
    <message>
        <source>On my own</source>
        <extracomment>Option: play alone.</extracomment>
        <translation>Seul</translation>
    </message>
    <message>
        <source>With others</source>
        <extracomment>Option: play with others at the same computer.</extracomment>
        <translation>Avec d’autres</translation>
    </message>
    <message>
        <source>Noname</source>
        <extracomment>The name a player gets who types none.</extracomment>
        <translation>Anonyme</translation>
    </message>
    <message>
        <source>Answer with %1.</source>
        <extracomment>What a screen reader says of the message box; %1 is a button&apos;s caption.</extracomment>
        <translation>Répondez par %1.</translation>
    </message>
    <message>
        <source>Answer with %1 or %2.</source>
        <extracomment>What a screen reader says of the message box; %1 and %2 are buttons&apos; captions.</extracomment>
        <translation>Répondez par %1 ou %2.</translation>
    </message>
    <message>
        <source>Answer with %1 or %2 or %3.</source>
        <extracomment>What a screen reader says of the message box; %1 to %3 are buttons&apos; captions.</extracomment>
        <translation>Répondez par %1, %2 ou %3.</translation>
    </message>
    <message>
        <source>Welcome to Vorka.</source>
        <translation>Bienvenue dans Vorka.</translation>
    </message>
    <message>
        <source>Please select whether you would like to play alone or with others.</source>
        <translation>Choisissez si vous voulez jouer seul ou avec d’autres.</translation>
    </message>
    <message>
        <source>Please enter the names of those playing.</source>
        <translation>Saisissez le nom des joueurs.</translation>
    </message>
    <message>
        <source>If you have reached the end of the list, click OK</source>
        <extracomment>&quot;OK&quot; is the caption of the button, without its blanks.</extracomment>
        <translation>Au dernier nom de la liste, cliquez sur OK</translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation>Saisissez votre nom.</translation>
    </message>
    <message>
        <source>Chosing this option would place 0 in this cell.</source>
        <extracomment>Asked before a category is scored 0. The misspelling &quot;Chosing&quot; is the game&apos;s own; translate it correctly spelt.</extracomment>
        <translation>Ce choix inscrirait 0 dans cette case.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>En êtes-vous sûr&#xa0;?</translation>
    </message>
    <message>
        <source>LEAVE VORKA????!!!</source>
        <extracomment>Asked before the program ends; shouted on purpose.</extracomment>
        <translation>QUITTER VORKA&#xa0;????!!!</translation>
    </message>
    <message>
        <source>Are you sure????</source>
        <extracomment>Asked before the program ends; the many question marks are on purpose.</extracomment>
        <translation>Vous êtes sûr&#xa0;????</translation>
    </message>
    <message>
        <source>You&apos;ll forfeit the current game!!</source>
        <translation>Vous perdrez la partie en cours&#xa0;!!</translation>
    </message>
    <message>
        <source>Choosing this option will forfeit the current game.</source>
        <translation>Ce choix vous fera perdre la partie en cours.</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Column headings of the final scores at the end of a game.</extracomment>
        <translation>Score</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
</context>
<context>
    <name>FrmNewPlayer</name>
    <message>
        <source>IT&apos;s</source>
        <extracomment>First line of the turn announcement &quot;IT&apos;s ANN&apos;s GO!&quot; (three lines, the name in the middle); its odd capitals are part of the look.</extracomment>
        <translation>ALLEZ</translation>
    </message>
    <message>
        <source>GO!</source>
        <extracomment>Last line of the turn announcement &quot;IT&apos;s ANN&apos;s GO!&quot;.</extracomment>
        <translation>À TOI&#xa0;!</translation>
    </message>
    <message>
        <source>OK  </source>
        <extracomment>Button caption. The two blanks after it are part of the look; keep them.</extracomment>
        <translation>OK  </translation>
    </message>
    <message>
        <source>%1&apos;s</source>
        <extracomment>Middle line of the turn announcement &quot;IT&apos;s ANN&apos;s GO!&quot;; %1 is the player&apos;s name in capitals.</extracomment>
        <translation>%1,</translation>
    </message>
    <message>
        <source>It&apos;s %1&apos;s go!</source>
        <extracomment>What a screen reader says as the turn is announced; %1 is the player&apos;s name.</extracomment>
        <translation>Allez %1, à toi&#xa0;!</translation>
    </message>
</context>
<context>
    <name>GameResult</name>
    <message>
        <source>Game over.</source>
        <translation>Partie terminée.</translation>
    </message>
    <message>
        <source>%1 wins the game with a score of %2. Well played!</source>
        <extracomment>%1 is the winner&apos;s name, %2 the winning score.</extracomment>
        <translation>%1 gagne la partie avec un score de %2. Bien joué&#xa0;!</translation>
    </message>
    <message numerus="yes">
        <source>All %n players scored %1 and therefore drew. Well played!</source>
        <extracomment>%n is the number of players (always 2 or more), %1 the score they share.</extracomment>
        <translation>
            <numerusform>Les %n joueurs ont tous marqué %1 et sont donc à égalité. Bien joué&#xa0;!</numerusform>
            <numerusform>Les %n joueurs ont tous marqué %1 et sont donc à égalité. Bien joué&#xa0;!</numerusform>
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
        <translation>La partie se termine à égalité entre %1 et %2, avec un score de %3. Bien joué&#xa0;!</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>There is no game in progress to save.</source>
        <translation>Aucune partie en cours à enregistrer.</translation>
    </message>
</context>
<context>
    <name>Halls</name>
    <message>
        <source>%1 cannot be started: %2</source>
        <extracomment>%1 is the path of the program that writes the shared Halls, %2 the system&apos;s reason.</extracomment>
        <translation>%1 ne peut pas être lancé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 ended abnormally</source>
        <extracomment>%1 is the path of the program that writes the shared Halls.</extracomment>
        <translation>%1 s’est terminé anormalement</translation>
    </message>
    <message>
        <source>%1 refused the scores (%2)</source>
        <extracomment>%1 is the path of the program that writes the shared Halls, %2 its reason (in English: it comes from that program).</extracomment>
        <translation>%1 a refusé les scores (%2)</translation>
    </message>
    <message>
        <source>there is no file to keep them in</source>
        <extracomment>Why the scores waiting for the Halls cannot be kept.</extracomment>
        <translation>il n’y a aucun fichier où les garder</translation>
    </message>
    <message>
        <source>Choosing this option will delete all scores on both the Hall of Fame and the Hall of Shame.</source>
        <translation>Ce choix effacera tous les scores du Temple de la renommée et du Mur de la honte.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <extracomment>Asked before the Halls of Fame and Shame are emptied.</extracomment>
        <translation>En êtes-vous sûr&#xa0;?</translation>
    </message>
</context>
<context>
    <name>HallsRequest</name>
    <message>
        <source>the Halls&apos; writer gave no answer</source>
        <extracomment>Why the scores could not be entered in the shared Halls.</extracomment>
        <translation>le programme qui écrit les listes n’a pas répondu</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Page not found</source>
        <translation>Page introuvable</translation>
    </message>
    <message>
        <source>The help page &quot;%1&quot; could not be found.</source>
        <extracomment>On the help window&apos;s page for a missing page; %1 is the page&apos;s file name.</extracomment>
        <translation>La page d’aide «&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <source>Press Contents to go back to the list of help topics. The game itself is not affected.</source>
        <extracomment>&quot;Contents&quot; is the caption of the help window&apos;s button, without its &quot;&amp;&quot;.</extracomment>
        <translation>Appuyez sur Sommaire pour revenir à la liste des sujets de l’aide. La partie en cours n’est pas touchée.</translation>
    </message>
    <message>
        <source>Vorka Help</source>
        <translation>Aide de Vorka</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Help window button: the page before. Pick an access letter unique in this window.</extracomment>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <extracomment>Help window button. Pick an access letter unique in this window.</extracomment>
        <translation>Sui&amp;vant</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Help window button: back to the list of topics. Pick an access letter unique in this window.</extracomment>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>That link leads outside Vorka&apos;s help, so it is not opened.</source>
        <translation>Ce lien mène hors de l’aide de Vorka&#xa0;; il n’est donc pas ouvert.</translation>
    </message>
</context>
<context>
    <name>HintWindow</name>
    <message>
        <source>Hint</source>
        <extracomment>Title of the window that shows what each choice is worth.</extracomment>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>Choice</source>
        <extracomment>Column heading: what the player can do (roll, or score a category).</extracomment>
        <translation>Choix</translation>
    </message>
    <message>
        <source>Expected final score</source>
        <translation>Score final espéré</translation>
    </message>
    <message>
        <source>Roll all dice</source>
        <translation>Relancer tous les dés</translation>
    </message>
    <message>
        <source>Roll die %1</source>
        <extracomment>%1 is the die&apos;s number, 1 to 5 from the left.</extracomment>
        <translation>Relancer le dé %1</translation>
    </message>
    <message>
        <source>Score %1</source>
        <extracomment>%1 is a category&apos;s name, such as &quot;Full House&quot;.</extracomment>
        <translation>Marquer en %1</translation>
    </message>
    <message>
        <source>%1 has nothing left to choose.</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>%1 n’a plus rien à choisir.</translation>
    </message>
    <message>
        <source>%1: best is %2, for %3 in the end on average.</source>
        <extracomment>%1 is the player&apos;s name, %2 a choice such as &quot;Roll all dice&quot;, %3 the expected final score.</extracomment>
        <translation>%1&#xa0;: le meilleur choix est «&#xa0;%2&#xa0;», pour un score final de %3 en moyenne.</translation>
    </message>
    <message>
        <source>Working out the best moves; the hint follows in a few seconds.</source>
        <translation>Calcul des meilleurs coups&#xa0;; le conseil suit dans quelques secondes.</translation>
    </message>
</context>
<context>
    <name>MDIFrmMainGame</name>
    <message>
        <source>Selects %1&apos;s Playerboard (computer)</source>
        <extracomment>Tooltip of a player&apos;s button; %1 is the player&apos;s name.</extracomment>
        <translation>Affiche le plateau de %1 (ordinateur)</translation>
    </message>
    <message>
        <source>Selects %1&apos;s Playerboard</source>
        <extracomment>Tooltip of a player&apos;s button; %1 is the player&apos;s name.</extracomment>
        <translation>Affiche le plateau de %1</translation>
    </message>
    <message>
        <source>Players</source>
        <extracomment>Title of the toolbar with one button per player, shown in its context menu.</extracomment>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Commands</source>
        <extracomment>Title of the toolbar with the game&apos;s commands, shown in its context menu.</extracomment>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Customize Toolbar...</source>
        <translation>Personnaliser la barre d’outils…</translation>
    </message>
    <message>
        <source>%1&apos;s turn (computer)</source>
        <extracomment>Start of the status bar&apos;s text; %1 is the player&apos;s name.</extracomment>
        <translation>Au tour de %1 (ordinateur)</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <extracomment>Start of the status bar&apos;s text; %1 is the player&apos;s name.</extracomment>
        <translation>Au tour de %1</translation>
    </message>
    <message>
        <source>%1, 1 roll left. Sounds on.</source>
        <extracomment>Status bar; %1 is &quot;Ann&apos;s turn&quot; or &quot;Ann&apos;s turn (computer)&quot;.</extracomment>
        <translation>%1, 1 lancer restant. Sons activés.</translation>
    </message>
    <message>
        <source>%1, 1 roll left. Sounds off.</source>
        <extracomment>Status bar; %1 is &quot;Ann&apos;s turn&quot; or &quot;Ann&apos;s turn (computer)&quot;.</extracomment>
        <translation>%1, 1 lancer restant. Sons coupés.</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n rolls left. Sounds on.</source>
        <extracomment>Status bar; %1 is &quot;Ann&apos;s turn&quot; or &quot;Ann&apos;s turn (computer)&quot;; %n rolls left (0, 2 or 3).</extracomment>
        <translation>
            <numerusform>%1, %n lancer restant. Sons activés.</numerusform>
            <numerusform>%1, %n lancers restants. Sons activés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n rolls left. Sounds off.</source>
        <extracomment>Status bar; %1 is &quot;Ann&apos;s turn&quot; or &quot;Ann&apos;s turn (computer)&quot;; %n rolls left (0, 2 or 3).</extracomment>
        <translation>
            <numerusform>%1, %n lancer restant. Sons coupés.</numerusform>
            <numerusform>%1, %n lancers restants. Sons coupés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PulseSoundPlayer</name>
    <message>
        <source>Sound effects</source>
        <extracomment>The game&apos;s sound stream as the desktop&apos;s volume control lists it.</extracomment>
        <translation>Effets sonores</translation>
    </message>
</context>
<context>
    <name>RegistryStore</name>
    <message>
        <source>%1 is not a store of Vorka&apos;s, or it is damaged</source>
        <extracomment>%1 is the path of the file that keeps the Halls.</extracomment>
        <translation>%1 n’est pas un fichier de Vorka, ou il est endommagé</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>A category&apos;s name quoted in a message; %1 is the name (&quot;Fours&quot;, &quot;1 Pair&quot;).</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Error number %1:</source>
        <extracomment>The first line of a message that a saved game could not be opened; %1 is the error&apos;s number.</extracomment>
        <translation>Erreur numéro %1&#xa0;:</translation>
    </message>
    <message>
        <source>The file ends before the number of players.</source>
        <translation>Le fichier se termine avant le nombre de joueurs.</translation>
    </message>
    <message>
        <source>The file gives %1 as the number of players.</source>
        <extracomment>%1 is a number below 1.</extracomment>
        <translation>Le fichier indique %1 comme nombre de joueurs.</translation>
    </message>
    <message>
        <source>The saved game has %1 players; Vorka plays games of at most %2 players.</source>
        <extracomment>%1 is the number of players in the file, %2 the most the game plays.</extracomment>
        <translation>La partie enregistrée a %1 joueurs&#xa0;; Vorka joue des parties de %2 joueurs au plus.</translation>
    </message>
    <message>
        <source>The file is cut short: it ends before the part that says whose turn it is.</source>
        <translation>Le fichier est tronqué&#xa0;: il se termine avant l’endroit qui dit à qui est le tour.</translation>
    </message>
    <message>
        <source>The file is cut short: it ends inside the record of its one player.</source>
        <translation>Le fichier est tronqué&#xa0;: il se termine au milieu de l’enregistrement de son unique joueur.</translation>
    </message>
    <message numerus="yes">
        <source>The file is cut short: it names %n players, but none of them is in it whole.</source>
        <extracomment>%n is the number of players the file names, 2 or more.</extracomment>
        <translation>
            <numerusform>Le fichier est tronqué&#xa0;: il annonce %n joueur, mais celui-ci n’y est pas en entier.</numerusform>
            <numerusform>Le fichier est tronqué&#xa0;: il annonce %n joueurs, mais aucun n’y est en entier.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is cut short: it names %n players, but only one of them is in it whole.</source>
        <extracomment>%n is the number of players the file names, 2 or more.</extracomment>
        <translation>
            <numerusform>Le fichier est tronqué&#xa0;: il annonce %n joueur, et il y est en entier.</numerusform>
            <numerusform>Le fichier est tronqué&#xa0;: il annonce %n joueurs, mais un seul y est en entier.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is cut short: it names %1 players, but only %n of them are in it whole.</source>
        <extracomment>%1 is the number of players the file names, %n how many of them it holds whole (2 or more).</extracomment>
        <translation>
            <numerusform>Le fichier est tronqué&#xa0;: il annonce %1 joueurs, mais seul %n y est en entier.</numerusform>
            <numerusform>Le fichier est tronqué&#xa0;: il annonce %1 joueurs, mais seuls %n y sont en entier.</numerusform>
        </translation>
    </message>
    <message>
        <source>The name of player %1 is %2 bytes long, more than its record holds.</source>
        <extracomment>%1 is the player&apos;s place in the file, %2 a number of bytes.</extracomment>
        <translation>Le nom du joueur %1 fait %2 octets, plus que son enregistrement ne peut en contenir.</translation>
    </message>
    <message>
        <source>Player %1 of the file carries the index %2; the players must be numbered 0 to %3, each once.</source>
        <extracomment>%1 is the player&apos;s place in the file, %2 the index it holds, %3 the highest index allowed.</extracomment>
        <translation>Le joueur %1 du fichier porte l’indice %2&#xa0;; les joueurs doivent être numérotés de 0 à %3, chacun une seule fois.</translation>
    </message>
    <message>
        <source>Category %1 of player %2 is marked %3, which is neither free nor used.</source>
        <extracomment>%1 is a quoted category name, %2 the player&apos;s place in the file, %3 the number found.</extracomment>
        <translation>La catégorie %1 du joueur %2 est marquée %3, ce qui ne veut dire ni libre ni utilisée.</translation>
    </message>
    <message>
        <source>Category %1 of player %2 holds %3, a score it cannot give.</source>
        <extracomment>%1 is a quoted category name, %2 the player&apos;s place in the file, %3 the score found.</extracomment>
        <translation>La catégorie %1 du joueur %2 contient %3, un score qu’elle ne peut pas donner.</translation>
    </message>
    <message>
        <source>The file gives the turn to player index %1, but its players are numbered 0 to %2.</source>
        <extracomment>%1 is the index found, %2 the highest index of the file&apos;s players.</extracomment>
        <translation>Le fichier donne le tour au joueur d’indice %1, mais ses joueurs sont numérotés de 0 à %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’a pas pu être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file could not be opened (a folder or a device was named).</extracomment>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’a pas pu être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>A saved game holds 1 to %1 players.</source>
        <extracomment>%1 is the most players a saved game holds.</extracomment>
        <translation>Une partie enregistrée compte de 1 à %1 joueurs.</translation>
    </message>
    <message>
        <source>The number of players does not match the boards.</source>
        <translation>Le nombre de joueurs ne correspond pas aux plateaux.</translation>
    </message>
    <message>
        <source>The player whose turn it is is not one of the players.</source>
        <translation>Le joueur dont c’est le tour ne fait pas partie des joueurs.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is too long: a saved game keeps names of at most %2 characters.</source>
        <extracomment>%1 is the player&apos;s name, %2 the longest name a saved game keeps.</extracomment>
        <translation>Le nom «&#xa0;%1&#xa0;» est trop long&#xa0;: une partie enregistrée garde des noms de %2 caractères au plus.</translation>
    </message>
    <message>
        <source>The boards are not numbered in order.</source>
        <translation>Les plateaux ne sont pas numérotés dans l’ordre.</translation>
    </message>
    <message>
        <source>The card of %1 holds something the game cannot score in %2.</source>
        <extracomment>%1 is the player&apos;s name, %2 a quoted category name.</extracomment>
        <translation>La feuille de %1 contient en %2 une valeur que le jeu ne peut pas y marquer.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’a pas pu être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be created: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’a pas pu être créé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be replaced: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’a pas pu être remplacé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>This is not a TOL Vorka saved game file!</source>
        <translation>Ce fichier n’est pas une partie enregistrée de TOL Vorka&#xa0;!</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>The title of the message that a saved game could not be opened.</extracomment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The above error was encountered. The Open Game process was aborted.</source>
        <translation>L’erreur ci-dessus s’est produite. L’ouverture de la partie a été abandonnée.</translation>
    </message>
    <message>
        <source>The game was not saved.</source>
        <translation>La partie n’a pas été enregistrée.</translation>
    </message>
    <message>
        <source>Save Game</source>
        <extracomment>The title of the file dialog that saves a game.</extracomment>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>Load Game</source>
        <extracomment>The title of the file dialog that opens a saved game.</extracomment>
        <translation>Ouvrir une partie</translation>
    </message>
</context>
<context>
    <name>ScoreKeeper</name>
    <message>
        <source>The Halls of Fame and Shame cannot be changed: %1.</source>
        <extracomment>%1 is the reason the system gives, such as &quot;Permission denied&quot;.</extracomment>
        <translation>Le Temple de la renommée et le Mur de la honte ne peuvent pas être modifiés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The scores of your games are shown until Vorka ends, but they are not kept.</source>
        <translation>Les scores de vos parties sont affichés jusqu’à la fermeture de Vorka, mais ne sont pas gardés.</translation>
    </message>
    <message>
        <source>The scores still waiting for the Halls of Fame and Shame could not be kept for the next start of Vorka: %1.</source>
        <extracomment>%1 is the reason the system gives, such as &quot;Not a directory&quot;.</extracomment>
        <translation>Les scores qui attendent encore le Temple de la renommée et le Mur de la honte n’ont pas pu être gardés pour le prochain démarrage de Vorka&#xa0;: %1.</translation>
    </message>
    <message>
        <source>They are lost when Vorka ends.</source>
        <translation>Ils seront perdus à la fermeture de Vorka.</translation>
    </message>
    <message>
        <source>Waiting for the Halls of Fame and Shame.</source>
        <translation>En attente du Temple de la renommée et du Mur de la honte.</translation>
    </message>
</context>
<context>
    <name>ToolbarCustomizer</name>
    <message>
        <source>Customize Toolbar</source>
        <translation>Personnaliser la barre d’outils</translation>
    </message>
    <message>
        <source>Tick the buttons the toolbar should show. Select one and use Move Up or Move Down, or drag it, to change the order. Every change takes effect at once and is kept for next time.</source>
        <translation>Cochez les boutons que la barre doit afficher. Pour changer l’ordre, sélectionnez-en un et utilisez Monter ou Descendre, ou faites-le glisser. Chaque changement prend effet aussitôt et est gardé pour la prochaine fois.</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <extracomment>Button. Pick an access letter unique in this dialog.</extracomment>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <extracomment>Button. Pick an access letter unique in this dialog.</extracomment>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <extracomment>Button that brings back the designed toolbar. Pick an access letter unique in this dialog.</extracomment>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>Shows the original buttons in their original order</source>
        <translation>Rétablit les boutons d’origine dans leur ordre d’origine</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button that closes the dialog.</extracomment>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>ToolbarEntry</name>
    <message>
        <source>&amp;New</source>
        <extracomment>Toolbar button. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>New game</source>
        <extracomment>What the New button does, in the customise dialog and the status bar.</extracomment>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Starts a new game</source>
        <translation>Commence une nouvelle partie</translation>
    </message>
    <message>
        <source>S&amp;cores</source>
        <extracomment>Toolbar button. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>S&amp;cores</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Displays Vorka high scores</source>
        <translation>Affiche les meilleurs scores de Vorka</translation>
    </message>
    <message>
        <source>Separator</source>
        <extracomment>A separator line between toolbar buttons, as the customise dialog lists it.</extracomment>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <extracomment>Toolbar button. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Ouvrir une partie</translation>
    </message>
    <message>
        <source>Opens a previously saved game</source>
        <translation>Ouvre une partie enregistrée</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>Toolbar button. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Same Current Game</source>
        <extracomment>What the Save button does (saves the current game).</extracomment>
        <translation>Enregistrer la partie en cours</translation>
    </message>
    <message>
        <source>Sves the current game</source>
        <extracomment>Tooltip of the Save button.</extracomment>
        <translation>Enregistre la partie en cours</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>Toolbar button. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>What the Quit button does (leaves the game), in the customise dialog.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Leaves Vorka</source>
        <translation>Quitte Vorka</translation>
    </message>
    <message>
        <source>So&amp;unds</source>
        <extracomment>Toolbar button that switches the sounds on and off. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>&amp;Sons</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>The Sounds button as the customise dialog lists it.</extracomment>
        <translation>Options</translation>
    </message>
    <message>
        <source>Toggles Vorka Sounds on/off</source>
        <translation>Active ou coupe les sons de Vorka</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Toolbar button. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The Help button as the customise dialog lists it.</extracomment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Displays Vorka Help</source>
        <translation>Affiche l’aide de Vorka</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <extracomment>Toolbar button that shows what each choice is worth. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>Conse&amp;il</translation>
    </message>
    <message>
        <source>Hint</source>
        <extracomment>The Hint button as the customise dialog lists it.</extracomment>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>Shows what each choice is worth</source>
        <translation>Montre ce que vaut chaque choix</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <extracomment>Toolbar button that lays the boards out side by side. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>&amp;Mosaïque</translation>
    </message>
    <message>
        <source>Tile Boards</source>
        <translation>Plateaux en mosaïque</translation>
    </message>
    <message>
        <source>Lays the boards out side by side, in rows when the window is tall enough</source>
        <translation>Dispose les plateaux côte à côte, en plusieurs rangées quand la fenêtre est assez haute</translation>
    </message>
    <message>
        <source>C&amp;ascade</source>
        <extracomment>Toolbar button that lays the boards out one over another. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>Casca&amp;de</translation>
    </message>
    <message>
        <source>Cascade Boards</source>
        <translation>Plateaux en cascade</translation>
    </message>
    <message>
        <source>Lays the boards out one over another</source>
        <translation>Dispose les plateaux les uns sur les autres</translation>
    </message>
</context>
<context>
    <name>Totals</name>
    <message>
        <source>1-6 Total: %1</source>
        <extracomment>Under the six upper categories; %1 is their sum with the bonus. The blank after the colon is part of the look.</extracomment>
        <translation>Total 1-6&#xa0;: %1</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <extracomment>Under the card; %1 is the sum of every category with the bonus.</extracomment>
        <translation>Total&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>WaitingScores</name>
    <message>
        <source>%1 scores are waiting already, as many as are kept</source>
        <extracomment>Why more scores cannot wait for the Halls; %1 is the most that are kept (1024).</extracomment>
        <translation>%1 scores attendent déjà, le maximum que le jeu garde</translation>
    </message>
</context>
</TS>
