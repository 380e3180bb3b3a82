<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Category</name>
    <message>
        <source>1 Pair</source>
        <extracomment>Category button: two dice the same; scores their sum.</extracomment>
        <translation>1 Pareja</translation>
    </message>
    <message>
        <source>2 Pairs</source>
        <extracomment>Category button: two pairs of different values; scores the sum of the four dice.</extracomment>
        <translation>2 Parejas</translation>
    </message>
    <message>
        <source>3 of a Kind</source>
        <extracomment>Category button: three dice the same; scores their sum.</extracomment>
        <translation>3 iguales</translation>
    </message>
    <message>
        <source>4 of a Kind</source>
        <extracomment>Category button: four dice the same; scores their sum.</extracomment>
        <translation>4 iguales</translation>
    </message>
    <message>
        <source>Low Straight</source>
        <extracomment>Category button: the dice 1 to 5; scores 15.</extracomment>
        <translation>Escalera menor</translation>
    </message>
    <message>
        <source>High Straight</source>
        <extracomment>Category button: the dice 2 to 6; scores 20.</extracomment>
        <translation>Escalera mayor</translation>
    </message>
    <message>
        <source>Full House</source>
        <extracomment>Category button: three of one value and two of another; scores the sum of the dice.</extracomment>
        <translation>Full</translation>
    </message>
    <message>
        <source>Chance</source>
        <extracomment>Category button: any dice; scores the sum of the dice.</extracomment>
        <translation>Suerte</translation>
    </message>
    <message>
        <source>Ones</source>
        <extracomment>Category name (its button shows &quot;1&quot;): scores the sum of the dice showing 1.</extracomment>
        <translation>Unos</translation>
    </message>
    <message>
        <source>Twos</source>
        <extracomment>Category name (its button shows &quot;2&quot;): scores the sum of the dice showing 2.</extracomment>
        <translation>Doses</translation>
    </message>
    <message>
        <source>Threes</source>
        <extracomment>Category name (its button shows &quot;3&quot;): scores the sum of the dice showing 3.</extracomment>
        <translation>Treses</translation>
    </message>
    <message>
        <source>Fours</source>
        <extracomment>Category name (its button shows &quot;4&quot;): scores the sum of the dice showing 4.</extracomment>
        <translation>Cuatros</translation>
    </message>
    <message>
        <source>Fives</source>
        <extracomment>Category name (its button shows &quot;5&quot;): scores the sum of the dice showing 5.</extracomment>
        <translation>Cincos</translation>
    </message>
    <message>
        <source>Sixes</source>
        <extracomment>Category name (its button shows &quot;6&quot;): scores the sum of the dice showing 6.</extracomment>
        <translation>Seises</translation>
    </message>
</context>
<context>
    <name>ComputerPlayer</name>
    <message>
        <source>%1 is thinking...</source>
        <extracomment>In the status bar while the computer works out its play; %1 is the seat&apos;s name.</extracomment>
        <translation>%1 está pensando...</translation>
    </message>
</context>
<context>
    <name>ComputerSeats</name>
    <message>
        <source>Let the computer play for %1</source>
        <extracomment>Entry of a player button&apos;s menu; %1 is the player&apos;s name.</extracomment>
        <translation>Dejar que el ordenador juegue por %1</translation>
    </message>
    <message>
        <source>Let the computer play casually for %1</source>
        <extracomment>Entry of a player button&apos;s menu; %1 is the player&apos;s name.</extracomment>
        <translation>Dejar que el ordenador juegue a la ligera por %1</translation>
    </message>
    <message>
        <source>Take %1&apos;s seat back</source>
        <extracomment>Entry of a player button&apos;s menu: a person plays the seat again; %1 is the player&apos;s name.</extracomment>
        <translation>Devolver a %1 su puesto</translation>
    </message>
    <message>
        <source>%1 (computer)</source>
        <extracomment>A name as the final scores list it when the computer played the seat; %1 is the name.</extracomment>
        <translation>%1 (ordenador)</translation>
    </message>
    <message>
        <source>Computer&apos;s pace</source>
        <extracomment>Submenu of a player button&apos;s menu: how quickly the computer plays.</extracomment>
        <translation>Ritmo del ordenador</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <extracomment>The computer&apos;s pace. Pick an access letter unique in the pace menu.</extracomment>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <extracomment>The computer&apos;s pace. Pick an access letter unique in the pace menu.</extracomment>
        <translation>&amp;Rápido</translation>
    </message>
    <message>
        <source>&amp;Instant, without pauses</source>
        <extracomment>The computer&apos;s pace. Pick an access letter unique in the pace menu.</extracomment>
        <translation>&amp;Instantáneo, sin pausas</translation>
    </message>
    <message>
        <source>There is no game in progress.</source>
        <translation>No hay ninguna partida en juego.</translation>
    </message>
    <message>
        <source>No hint for this card.</source>
        <translation>No hay ninguna pista para esta hoja.</translation>
    </message>
</context>
<context>
    <name>DialogAnswers</name>
    <message>
        <source>Some letters of &quot;%1&quot; cannot be kept in a saved game; they will be saved as &quot;?&quot;.</source>
        <extracomment>%1 is a player&apos;s name.</extracomment>
        <translation>Algunas letras de «%1» no se pueden conservar en una partida guardada; se guardarán como «?».</translation>
    </message>
    <message>
        <source>Some letters of &quot;%1&quot; and &quot;%2&quot; cannot be kept in a saved game; they will be saved as &quot;?&quot;.</source>
        <extracomment>%1 and %2 are players&apos; names.</extracomment>
        <translation>Algunas letras de «%1» y «%2» no se pueden conservar en una partida guardada; se guardarán como «?».</translation>
    </message>
    <message numerus="yes">
        <source>Some letters of &quot;%1&quot;, &quot;%2&quot; and %n more names cannot be kept in a saved game; they will be saved as &quot;?&quot;.</source>
        <extracomment>%1 and %2 are players&apos; names; %n the number of further names (1 or more).</extracomment>
        <translation>
            <numerusform>Algunas letras de «%1», «%2» y %n nombre más no se pueden conservar en una partida guardada; se guardarán como «?».</numerusform>
            <numerusform>Algunas letras de «%1», «%2» y %n nombres más no se pueden conservar en una partida guardada; se guardarán como «?».</numerusform>
        </translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>¿Guardar de todos modos?</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Vorka Saved Games (*.vrk *.VRK);;All Files (*)</source>
        <extracomment>The file dialog&apos;s filter. Translate the two names only: keep the patterns in parentheses and the &quot;;;&quot; between the two filters as they are.</extracomment>
        <translation>Partidas guardadas de Vorka (*.vrk *.VRK);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>FrmHighScores</name>
    <message>
        <source>Position</source>
        <extracomment>Column heading of the Halls of Fame and Shame: the place in the list.</extracomment>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column heading of the Halls of Fame and Shame: the player&apos;s name.</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Column heading of the Halls of Fame and Shame: the final score.</extracomment>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Vorka Scores</source>
        <translation>Puntuaciones de Vorka</translation>
    </message>
    <message>
        <source>HIGH SCORES</source>
        <extracomment>The window&apos;s big heading, in capitals.</extracomment>
        <translation>RÉCORDS</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <translation>Fama</translation>
    </message>
    <message>
        <source>Show Hall of Fame</source>
        <translation>Muestra el Salón de la Fama</translation>
    </message>
    <message>
        <source>Hall of Shame</source>
        <translation>Vergüenza</translation>
    </message>
    <message>
        <source>Shows Hall of Fame</source>
        <extracomment>Tooltip of the Hall of Shame&apos;s tab. The English names the other Hall by an old slip that stays; translate it as &quot;Shows the Hall of Shame&quot;.</extracomment>
        <translation>Muestra el Salón de la Vergüenza</translation>
    </message>
    <message>
        <source>&amp;Clear All Scores</source>
        <extracomment>Button that empties both Halls. Pick an access letter unique in this window; it wins over the main window&apos;s toolbar letters while this window has the focus.</extracomment>
        <translation>&amp;Borrar todas las puntuaciones</translation>
    </message>
    <message>
        <source>Another copy of Vorka is using the Halls of Fame and Shame just now.</source>
        <translation>Otra copia de Vorka está usando ahora mismo el Salón de la Fama y el Salón de la Vergüenza.</translation>
    </message>
    <message>
        <source>The scores of this game will be entered as soon as it is done with them.</source>
        <translation>Las puntuaciones de esta partida se anotarán en cuanto la otra copia termine con ellos.</translation>
    </message>
</context>
<context>
    <name>FrmMainGame</name>
    <message>
        <source>Roll  </source>
        <extracomment>The button that rolls the dice. The two blanks at the end are part of the look.</extracomment>
        <translation>Tirar  </translation>
    </message>
    <message>
        <source>Die %1: rolling</source>
        <extracomment>Spoken by a screen reader; %1 is the die&apos;s place, 1 to 5.</extracomment>
        <translation>Dado %1: rodando</translation>
    </message>
    <message>
        <source>Roll this die again (key %1)</source>
        <extracomment>%1 is the key that rolls the die, 1 to 5.</extracomment>
        <translation>Volver a tirar este dado (tecla %1)</translation>
    </message>
    <message>
        <source>not rolled</source>
        <extracomment>What a screen reader says of a die not rolled yet.</extracomment>
        <translation>sin tirar</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <extracomment>Spoken by a screen reader; %1 is the die&apos;s place (1 to 5), %2 its face (1 to 6) or &quot;not rolled&quot;.</extracomment>
        <translation>Dado %1: %2</translation>
    </message>
    <message>
        <source>Free</source>
        <extracomment>A category&apos;s state, spoken by a screen reader: it can still be scored.</extracomment>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Used</source>
        <extracomment>A category&apos;s state, spoken by a screen reader: it is scored already.</extracomment>
        <translation>Usada</translation>
    </message>
    <message>
        <source>Free, score %1</source>
        <extracomment>A category that holds a score and can be scored again; %1 is the score.</extracomment>
        <translation>Libre, puntuación %1</translation>
    </message>
    <message>
        <source>Used, score %1</source>
        <extracomment>A category scored already; %1 is its score.</extracomment>
        <translation>Usada, puntuación %1</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>What a screen reader says of a score cell that holds no score.</extracomment>
        <translation>vacía</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A score cell as a screen reader says it; %1 is the category&apos;s name, %2 its score or &quot;empty&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>1 roll left</source>
        <extracomment>The rolls a player has left in this turn: exactly one.</extracomment>
        <translation>1 tirada restante</translation>
    </message>
    <message numerus="yes">
        <source>%n rolls left</source>
        <extracomment>The rolls a player has left in this turn: %n is 0, 2 or 3.</extracomment>
        <translation>
            <numerusform>%n tirada restante</numerusform>
            <numerusform>%n tiradas restantes</numerusform>
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
        <translation>Dados %1</translation>
    </message>
    <message>
        <source>Dice not rolled yet</source>
        <translation>Dados aún sin tirar</translation>
    </message>
    <message>
        <source>Roll, dice rolling</source>
        <extracomment>The Roll button as a screen reader says it while the dice spin.</extracomment>
        <translation>Tirar, dados rodando</translation>
    </message>
    <message>
        <source>Roll, %1</source>
        <extracomment>The Roll button as a screen reader says it; %1 is &quot;1 roll left&quot;, &quot;2 rolls left&quot;, ...</extracomment>
        <translation>Tirar, %1</translation>
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
        <translation>SÍ  </translation>
    </message>
    <message>
        <source>NO  </source>
        <extracomment>Button caption. The two blanks after it are part of the look; keep them.</extracomment>
        <translation>NO  </translation>
    </message>
    <message>
        <source>YEAH  </source>
        <extracomment>Button caption: a casual &quot;yes&quot;. The two blanks after it are part of the look; keep them.</extracomment>
        <translation>¡SÍ!  </translation>
    </message>
    <message>
        <source>NA  </source>
        <extracomment>Button caption: a casual &quot;no&quot;. The two blanks after it are part of the look; keep them.</extracomment>
        <translation>¡NO!  </translation>
    </message>
    <message>
        <source>CANCEL  </source>
        <extracomment>Button caption. The two blanks after it are part of the look; keep them.</extracomment>
        <translation>CANCELAR  </translation>
    </message>
    <message>
        <source>NEXT  </source>
        <extracomment>Button caption: on to the next player&apos;s name. The two blanks after it are part of the look; keep them.</extracomment>
        <translation>OTRO  </translation>
    </message>
    <message>
        <source>On my own</source>
        <extracomment>Option: play alone.</extracomment>
        <translation>Solo</translation>
    </message>
    <message>
        <source>With others</source>
        <extracomment>Option: play with others at the same computer.</extracomment>
        <translation>Con otros</translation>
    </message>
    <message>
        <source>Noname</source>
        <extracomment>The name a player gets who types none.</extracomment>
        <translation>Anónimo</translation>
    </message>
    <message>
        <source>Answer with %1.</source>
        <extracomment>What a screen reader says of the message box; %1 is a button&apos;s caption.</extracomment>
        <translation>Responda con %1.</translation>
    </message>
    <message>
        <source>Answer with %1 or %2.</source>
        <extracomment>What a screen reader says of the message box; %1 and %2 are buttons&apos; captions.</extracomment>
        <translation>Responda con %1 o %2.</translation>
    </message>
    <message>
        <source>Answer with %1 or %2 or %3.</source>
        <extracomment>What a screen reader says of the message box; %1 to %3 are buttons&apos; captions.</extracomment>
        <translation>Responda con %1, %2 o %3.</translation>
    </message>
    <message>
        <source>Welcome to Vorka.</source>
        <translation>Bienvenido a Vorka.</translation>
    </message>
    <message>
        <source>Please select whether you would like to play alone or with others.</source>
        <translation>Elija si quiere jugar solo o con otros.</translation>
    </message>
    <message>
        <source>Please enter the names of those playing.</source>
        <translation>Escriba los nombres de los jugadores.</translation>
    </message>
    <message>
        <source>If you have reached the end of the list, click OK</source>
        <extracomment>&quot;OK&quot; is the caption of the button, without its blanks.</extracomment>
        <translation>Si ha llegado al final de la lista, pulse OK</translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation>Escriba su nombre.</translation>
    </message>
    <message>
        <source>Chosing this option would place 0 in this cell.</source>
        <extracomment>Asked before a category is scored 0. The misspelling &quot;Chosing&quot; is the game&apos;s own; translate it correctly spelt.</extracomment>
        <translation>Con esta opción se anotaría un 0 en esta casilla.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>¿Está seguro?</translation>
    </message>
    <message>
        <source>LEAVE VORKA????!!!</source>
        <extracomment>Asked before the program ends; shouted on purpose.</extracomment>
        <translation>¡¡¡¿¿¿¿SALIR DE VORKA????!!!</translation>
    </message>
    <message>
        <source>Are you sure????</source>
        <extracomment>Asked before the program ends; the many question marks are on purpose.</extracomment>
        <translation>¿¿¿¿Está seguro????</translation>
    </message>
    <message>
        <source>You&apos;ll forfeit the current game!!</source>
        <translation>¡¡Perderá la partida en curso!!</translation>
    </message>
    <message>
        <source>Choosing this option will forfeit the current game.</source>
        <translation>Con esta opción se perderá la partida en curso.</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Column headings of the final scores at the end of a game.</extracomment>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
</context>
<context>
    <name>FrmNewPlayer</name>
    <message>
        <source>IT&apos;s</source>
        <extracomment>First line of the turn announcement &quot;IT&apos;s ANN&apos;s GO!&quot; (three lines, the name in the middle); its odd capitals are part of the look.</extracomment>
        <translation>¡TURNO</translation>
    </message>
    <message>
        <source>GO!</source>
        <extracomment>Last line of the turn announcement &quot;IT&apos;s ANN&apos;s GO!&quot;.</extracomment>
        <translation>¡VAMOS!</translation>
    </message>
    <message>
        <source>OK  </source>
        <extracomment>Button caption. The two blanks after it are part of the look; keep them.</extracomment>
        <translation>OK  </translation>
    </message>
    <message>
        <source>%1&apos;s</source>
        <extracomment>Middle line of the turn announcement &quot;IT&apos;s ANN&apos;s GO!&quot;; %1 is the player&apos;s name in capitals.</extracomment>
        <translation>DE %1!</translation>
    </message>
    <message>
        <source>It&apos;s %1&apos;s go!</source>
        <extracomment>What a screen reader says as the turn is announced; %1 is the player&apos;s name.</extracomment>
        <translation>¡Turno de %1! ¡Vamos!</translation>
    </message>
</context>
<context>
    <name>GameResult</name>
    <message>
        <source>Game over.</source>
        <translation>Fin de la partida.</translation>
    </message>
    <message>
        <source>%1 wins the game with a score of %2. Well played!</source>
        <extracomment>%1 is the winner&apos;s name, %2 the winning score.</extracomment>
        <translation>%1 gana la partida con %2 puntos. ¡Bien jugado!</translation>
    </message>
    <message numerus="yes">
        <source>All %n players scored %1 and therefore drew. Well played!</source>
        <extracomment>%n is the number of players (always 2 or more), %1 the score they share.</extracomment>
        <translation>
            <numerusform>Los %n jugadores suman %1 puntos, así que empatan. ¡Bien jugado!</numerusform>
            <numerusform>Los %n jugadores suman %1 puntos, así que empatan. ¡Bien jugado!</numerusform>
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
        <translation>%1 y %2 empatan la partida con %3 puntos cada uno. ¡Bien jugado!</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>There is no game in progress to save.</source>
        <translation>No hay ninguna partida en juego que guardar.</translation>
    </message>
</context>
<context>
    <name>Halls</name>
    <message>
        <source>%1 cannot be started: %2</source>
        <extracomment>%1 is the path of the program that writes the shared Halls, %2 the system&apos;s reason.</extracomment>
        <translation>no se puede iniciar %1: %2</translation>
    </message>
    <message>
        <source>%1 ended abnormally</source>
        <extracomment>%1 is the path of the program that writes the shared Halls.</extracomment>
        <translation>%1 terminó de forma anómala</translation>
    </message>
    <message>
        <source>%1 refused the scores (%2)</source>
        <extracomment>%1 is the path of the program that writes the shared Halls, %2 its reason (in English: it comes from that program).</extracomment>
        <translation>%1 rechazó las puntuaciones (%2)</translation>
    </message>
    <message>
        <source>there is no file to keep them in</source>
        <extracomment>Why the scores waiting for the Halls cannot be kept.</extracomment>
        <translation>no hay ningún archivo donde guardarlas</translation>
    </message>
    <message>
        <source>Choosing this option will delete all scores on both the Hall of Fame and the Hall of Shame.</source>
        <translation>Con esta opción se borrarán todas las puntuaciones del Salón de la Fama y del Salón de la Vergüenza.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <extracomment>Asked before the Halls of Fame and Shame are emptied.</extracomment>
        <translation>¿Está seguro?</translation>
    </message>
</context>
<context>
    <name>HallsRequest</name>
    <message>
        <source>the Halls&apos; writer gave no answer</source>
        <extracomment>Why the scores could not be entered in the shared Halls.</extracomment>
        <translation>el programa que escribe en los salones no respondió</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Page not found</source>
        <translation>Página no encontrada</translation>
    </message>
    <message>
        <source>The help page &quot;%1&quot; could not be found.</source>
        <extracomment>On the help window&apos;s page for a missing page; %1 is the page&apos;s file name.</extracomment>
        <translation>No se ha encontrado la página de ayuda «%1».</translation>
    </message>
    <message>
        <source>Press Contents to go back to the list of help topics. The game itself is not affected.</source>
        <extracomment>&quot;Contents&quot; is the caption of the help window&apos;s button, without its &quot;&amp;&quot;.</extracomment>
        <translation>Pulse Contenido para volver a la lista de temas de la ayuda. El juego en sí no se ve afectado.</translation>
    </message>
    <message>
        <source>Vorka Help</source>
        <translation>Ayuda de Vorka</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Help window button: the page before. Pick an access letter unique in this window.</extracomment>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <extracomment>Help window button. Pick an access letter unique in this window.</extracomment>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Help window button: back to the list of topics. Pick an access letter unique in this window.</extracomment>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>That link leads outside Vorka&apos;s help, so it is not opened.</source>
        <translation>Ese enlace lleva fuera de la ayuda de Vorka, así que no se abre.</translation>
    </message>
</context>
<context>
    <name>HintWindow</name>
    <message>
        <source>Hint</source>
        <extracomment>Title of the window that shows what each choice is worth.</extracomment>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Choice</source>
        <extracomment>Column heading: what the player can do (roll, or score a category).</extracomment>
        <translation>Opción</translation>
    </message>
    <message>
        <source>Expected final score</source>
        <translation>Media final</translation>
    </message>
    <message>
        <source>Roll all dice</source>
        <translation>Tirar todos los dados</translation>
    </message>
    <message>
        <source>Roll die %1</source>
        <extracomment>%1 is the die&apos;s number, 1 to 5 from the left.</extracomment>
        <translation>Tirar el dado %1</translation>
    </message>
    <message>
        <source>Score %1</source>
        <extracomment>%1 is a category&apos;s name, such as &quot;Full House&quot;.</extracomment>
        <translation>Anotar en %1</translation>
    </message>
    <message>
        <source>%1 has nothing left to choose.</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>A %1 no le queda nada que elegir.</translation>
    </message>
    <message>
        <source>%1: best is %2, for %3 in the end on average.</source>
        <extracomment>%1 is the player&apos;s name, %2 a choice such as &quot;Roll all dice&quot;, %3 the expected final score.</extracomment>
        <translation>%1: lo mejor es «%2», con %3 puntos de media al final.</translation>
    </message>
    <message>
        <source>Working out the best moves; the hint follows in a few seconds.</source>
        <translation>Calculando las mejores jugadas; la pista llegará en unos segundos.</translation>
    </message>
</context>
<context>
    <name>MDIFrmMainGame</name>
    <message>
        <source>Selects %1&apos;s Playerboard (computer)</source>
        <extracomment>Tooltip of a player&apos;s button; %1 is the player&apos;s name.</extracomment>
        <translation>Selecciona el tablero de %1 (ordenador)</translation>
    </message>
    <message>
        <source>Selects %1&apos;s Playerboard</source>
        <extracomment>Tooltip of a player&apos;s button; %1 is the player&apos;s name.</extracomment>
        <translation>Selecciona el tablero de %1</translation>
    </message>
    <message>
        <source>Players</source>
        <extracomment>Title of the toolbar with one button per player, shown in its context menu.</extracomment>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Commands</source>
        <extracomment>Title of the toolbar with the game&apos;s commands, shown in its context menu.</extracomment>
        <translation>Órdenes</translation>
    </message>
    <message>
        <source>Customize Toolbar...</source>
        <translation>Personalizar barra de herramientas...</translation>
    </message>
    <message>
        <source>%1&apos;s turn (computer)</source>
        <extracomment>Start of the status bar&apos;s text; %1 is the player&apos;s name.</extracomment>
        <translation>Turno de %1 (ordenador)</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <extracomment>Start of the status bar&apos;s text; %1 is the player&apos;s name.</extracomment>
        <translation>Turno de %1</translation>
    </message>
    <message>
        <source>%1, 1 roll left. Sounds on.</source>
        <extracomment>Status bar; %1 is &quot;Ann&apos;s turn&quot; or &quot;Ann&apos;s turn (computer)&quot;.</extracomment>
        <translation>%1, queda 1 tirada. Sonidos encendidos.</translation>
    </message>
    <message>
        <source>%1, 1 roll left. Sounds off.</source>
        <extracomment>Status bar; %1 is &quot;Ann&apos;s turn&quot; or &quot;Ann&apos;s turn (computer)&quot;.</extracomment>
        <translation>%1, queda 1 tirada. Sonidos apagados.</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n rolls left. Sounds on.</source>
        <extracomment>Status bar; %1 is &quot;Ann&apos;s turn&quot; or &quot;Ann&apos;s turn (computer)&quot;; %n rolls left (0, 2 or 3).</extracomment>
        <translation>
            <numerusform>%1, queda %n tirada. Sonidos encendidos.</numerusform>
            <numerusform>%1, quedan %n tiradas. Sonidos encendidos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n rolls left. Sounds off.</source>
        <extracomment>Status bar; %1 is &quot;Ann&apos;s turn&quot; or &quot;Ann&apos;s turn (computer)&quot;; %n rolls left (0, 2 or 3).</extracomment>
        <translation>
            <numerusform>%1, queda %n tirada. Sonidos apagados.</numerusform>
            <numerusform>%1, quedan %n tiradas. Sonidos apagados.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PulseSoundPlayer</name>
    <message>
        <source>Sound effects</source>
        <extracomment>The game&apos;s sound stream as the desktop&apos;s volume control lists it.</extracomment>
        <translation>Efectos de sonido</translation>
    </message>
</context>
<context>
    <name>RegistryStore</name>
    <message>
        <source>%1 is not a store of Vorka&apos;s, or it is damaged</source>
        <extracomment>%1 is the path of the file that keeps the Halls.</extracomment>
        <translation>%1 no es un archivo de Vorka, o está dañado</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>A category&apos;s name quoted in a message; %1 is the name (&quot;Fours&quot;, &quot;1 Pair&quot;).</extracomment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>Error number %1:</source>
        <extracomment>The first line of a message that a saved game could not be opened; %1 is the error&apos;s number.</extracomment>
        <translation>Error número %1:</translation>
    </message>
    <message>
        <source>The file ends before the number of players.</source>
        <translation>El archivo termina antes del número de jugadores.</translation>
    </message>
    <message>
        <source>The file gives %1 as the number of players.</source>
        <extracomment>%1 is a number below 1.</extracomment>
        <translation>El archivo indica %1 como número de jugadores.</translation>
    </message>
    <message>
        <source>The saved game has %1 players; Vorka plays games of at most %2 players.</source>
        <extracomment>%1 is the number of players in the file, %2 the most the game plays.</extracomment>
        <translation>La partida guardada tiene %1 jugadores; Vorka juega partidas de %2 jugadores como máximo.</translation>
    </message>
    <message>
        <source>The file is cut short: it ends before the part that says whose turn it is.</source>
        <translation>El archivo está incompleto: termina antes de la parte que dice a quién le toca.</translation>
    </message>
    <message>
        <source>The file is cut short: it ends inside the record of its one player.</source>
        <translation>El archivo está incompleto: termina dentro del registro de su único jugador.</translation>
    </message>
    <message numerus="yes">
        <source>The file is cut short: it names %n players, but none of them is in it whole.</source>
        <extracomment>%n is the number of players the file names, 2 or more.</extracomment>
        <translation>
            <numerusform>El archivo está incompleto: nombra %n jugador, pero no está entero en él.</numerusform>
            <numerusform>El archivo está incompleto: nombra %n jugadores, pero ninguno de ellos está entero en él.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is cut short: it names %n players, but only one of them is in it whole.</source>
        <extracomment>%n is the number of players the file names, 2 or more.</extracomment>
        <translation>
            <numerusform>El archivo está incompleto: nombra %n jugador, y solo ese está entero en él.</numerusform>
            <numerusform>El archivo está incompleto: nombra %n jugadores, pero solo uno de ellos está entero en él.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is cut short: it names %1 players, but only %n of them are in it whole.</source>
        <extracomment>%1 is the number of players the file names, %n how many of them it holds whole (2 or more).</extracomment>
        <translation>
            <numerusform>El archivo está incompleto: nombra %1 jugadores, pero solo %n de ellos está entero en él.</numerusform>
            <numerusform>El archivo está incompleto: nombra %1 jugadores, pero solo %n de ellos están enteros en él.</numerusform>
        </translation>
    </message>
    <message>
        <source>The name of player %1 is %2 bytes long, more than its record holds.</source>
        <extracomment>%1 is the player&apos;s place in the file, %2 a number of bytes.</extracomment>
        <translation>El nombre del jugador %1 ocupa %2 bytes, más de lo que cabe en su registro.</translation>
    </message>
    <message>
        <source>Player %1 of the file carries the index %2; the players must be numbered 0 to %3, each once.</source>
        <extracomment>%1 is the player&apos;s place in the file, %2 the index it holds, %3 the highest index allowed.</extracomment>
        <translation>El jugador %1 del archivo lleva el índice %2; los jugadores deben estar numerados del 0 al %3, cada uno una sola vez.</translation>
    </message>
    <message>
        <source>Category %1 of player %2 is marked %3, which is neither free nor used.</source>
        <extracomment>%1 is a quoted category name, %2 the player&apos;s place in the file, %3 the number found.</extracomment>
        <translation>La categoría %1 del jugador %2 está marcada con %3, que no significa ni libre ni usada.</translation>
    </message>
    <message>
        <source>Category %1 of player %2 holds %3, a score it cannot give.</source>
        <extracomment>%1 is a quoted category name, %2 the player&apos;s place in the file, %3 the score found.</extracomment>
        <translation>La categoría %1 del jugador %2 contiene %3, una puntuación que no puede dar.</translation>
    </message>
    <message>
        <source>The file gives the turn to player index %1, but its players are numbered 0 to %2.</source>
        <extracomment>%1 is the index found, %2 the highest index of the file&apos;s players.</extracomment>
        <translation>El archivo da el turno al jugador de índice %1, pero sus jugadores están numerados del 0 al %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>No se ha podido abrir el archivo «%1»: %2.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file could not be opened (a folder or a device was named).</extracomment>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>No se ha podido leer el archivo «%1»: %2.</translation>
    </message>
    <message>
        <source>A saved game holds 1 to %1 players.</source>
        <extracomment>%1 is the most players a saved game holds.</extracomment>
        <translation>Una partida guardada tiene de 1 a %1 jugadores.</translation>
    </message>
    <message>
        <source>The number of players does not match the boards.</source>
        <translation>El número de jugadores no coincide con el de tableros.</translation>
    </message>
    <message>
        <source>The player whose turn it is is not one of the players.</source>
        <translation>El jugador al que le toca no es ninguno de los jugadores.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is too long: a saved game keeps names of at most %2 characters.</source>
        <extracomment>%1 is the player&apos;s name, %2 the longest name a saved game keeps.</extracomment>
        <translation>El nombre «%1» es demasiado largo: una partida guardada conserva nombres de %2 caracteres como máximo.</translation>
    </message>
    <message>
        <source>The boards are not numbered in order.</source>
        <translation>Los tableros no están numerados en orden.</translation>
    </message>
    <message>
        <source>The card of %1 holds something the game cannot score in %2.</source>
        <extracomment>%1 is the player&apos;s name, %2 a quoted category name.</extracomment>
        <translation>La hoja de %1 contiene algo que el juego no puede anotar en %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>No se ha podido escribir el archivo «%1»: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be created: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>No se ha podido crear el archivo «%1»: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be replaced: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>No se ha podido sustituir el archivo «%1»: %2.</translation>
    </message>
    <message>
        <source>This is not a TOL Vorka saved game file!</source>
        <translation>¡Este archivo no es una partida guardada de TOL Vorka!</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>The title of the message that a saved game could not be opened.</extracomment>
        <translation>Error</translation>
    </message>
    <message>
        <source>The above error was encountered. The Open Game process was aborted.</source>
        <translation>Se ha producido el error anterior. Se ha cancelado la apertura de la partida.</translation>
    </message>
    <message>
        <source>The game was not saved.</source>
        <translation>La partida no se ha guardado.</translation>
    </message>
    <message>
        <source>Save Game</source>
        <extracomment>The title of the file dialog that saves a game.</extracomment>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>Load Game</source>
        <extracomment>The title of the file dialog that opens a saved game.</extracomment>
        <translation>Cargar partida</translation>
    </message>
</context>
<context>
    <name>ScoreKeeper</name>
    <message>
        <source>The Halls of Fame and Shame cannot be changed: %1.</source>
        <extracomment>%1 is the reason the system gives, such as &quot;Permission denied&quot;.</extracomment>
        <translation>No se pueden modificar el Salón de la Fama y el Salón de la Vergüenza: %1.</translation>
    </message>
    <message>
        <source>The scores of your games are shown until Vorka ends, but they are not kept.</source>
        <translation>Las puntuaciones de sus partidas se muestran hasta que se cierre Vorka, pero no se conservan.</translation>
    </message>
    <message>
        <source>The scores still waiting for the Halls of Fame and Shame could not be kept for the next start of Vorka: %1.</source>
        <extracomment>%1 is the reason the system gives, such as &quot;Not a directory&quot;.</extracomment>
        <translation>Las puntuaciones que aún esperan entrar en el Salón de la Fama y el Salón de la Vergüenza no se han podido conservar para el próximo inicio de Vorka: %1.</translation>
    </message>
    <message>
        <source>They are lost when Vorka ends.</source>
        <translation>Se perderán cuando se cierre Vorka.</translation>
    </message>
    <message>
        <source>Waiting for the Halls of Fame and Shame.</source>
        <translation>Esperando al Salón de la Fama y al Salón de la Vergüenza.</translation>
    </message>
</context>
<context>
    <name>ToolbarCustomizer</name>
    <message>
        <source>Customize Toolbar</source>
        <translation>Personalizar barra de herramientas</translation>
    </message>
    <message>
        <source>Tick the buttons the toolbar should show. Select one and use Move Up or Move Down, or drag it, to change the order. Every change takes effect at once and is kept for next time.</source>
        <translation>Marque los botones que debe mostrar la barra. Seleccione uno y use Subir o Bajar, o arrástrelo, para cambiar el orden. Cada cambio se aplica al instante y se conserva para la próxima vez.</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <extracomment>Button. Pick an access letter unique in this dialog.</extracomment>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <extracomment>Button. Pick an access letter unique in this dialog.</extracomment>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <extracomment>Button that brings back the designed toolbar. Pick an access letter unique in this dialog.</extracomment>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>Shows the original buttons in their original order</source>
        <translation>Muestra los botones originales en su orden original</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button that closes the dialog.</extracomment>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>ToolbarEntry</name>
    <message>
        <source>&amp;New</source>
        <extracomment>Toolbar button. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>New game</source>
        <extracomment>What the New button does, in the customise dialog and the status bar.</extracomment>
        <translation>Partida nueva</translation>
    </message>
    <message>
        <source>Starts a new game</source>
        <translation>Empieza una partida nueva</translation>
    </message>
    <message>
        <source>S&amp;cores</source>
        <extracomment>Toolbar button. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>&amp;Puntuaciones</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>Displays Vorka high scores</source>
        <translation>Muestra las mejores puntuaciones de Vorka</translation>
    </message>
    <message>
        <source>Separator</source>
        <extracomment>A separator line between toolbar buttons, as the customise dialog lists it.</extracomment>
        <translation>Separador</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <extracomment>Toolbar button. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Abrir partida</translation>
    </message>
    <message>
        <source>Opens a previously saved game</source>
        <translation>Abre una partida guardada antes</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>Toolbar button. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Same Current Game</source>
        <extracomment>What the Save button does (saves the current game).</extracomment>
        <translation>Guardar la partida actual</translation>
    </message>
    <message>
        <source>Sves the current game</source>
        <extracomment>Tooltip of the Save button.</extracomment>
        <translation>Guarda la partida actual</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>Toolbar button. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>What the Quit button does (leaves the game), in the customise dialog.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Leaves Vorka</source>
        <translation>Cierra Vorka</translation>
    </message>
    <message>
        <source>So&amp;unds</source>
        <extracomment>Toolbar button that switches the sounds on and off. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>S&amp;onidos</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>The Sounds button as the customise dialog lists it.</extracomment>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Toggles Vorka Sounds on/off</source>
        <translation>Enciende o apaga los sonidos de Vorka</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Toolbar button. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The Help button as the customise dialog lists it.</extracomment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Displays Vorka Help</source>
        <translation>Muestra la ayuda de Vorka</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <extracomment>Toolbar button that shows what each choice is worth. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>P&amp;ista</translation>
    </message>
    <message>
        <source>Hint</source>
        <extracomment>The Hint button as the customise dialog lists it.</extracomment>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Shows what each choice is worth</source>
        <translation>Muestra cuánto vale cada opción</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <extracomment>Toolbar button that lays the boards out side by side. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>&amp;Mosaico</translation>
    </message>
    <message>
        <source>Tile Boards</source>
        <translation>Tableros en mosaico</translation>
    </message>
    <message>
        <source>Lays the boards out side by side, in rows when the window is tall enough</source>
        <translation>Coloca los tableros uno al lado de otro, en filas si la ventana es lo bastante alta</translation>
    </message>
    <message>
        <source>C&amp;ascade</source>
        <extracomment>Toolbar button that lays the boards out one over another. Pick an access letter unique among the toolbar&apos;s buttons.</extracomment>
        <translation>&amp;Cascada</translation>
    </message>
    <message>
        <source>Cascade Boards</source>
        <translation>Tableros en cascada</translation>
    </message>
    <message>
        <source>Lays the boards out one over another</source>
        <translation>Coloca los tableros unos sobre otros</translation>
    </message>
</context>
<context>
    <name>Totals</name>
    <message>
        <source>1-6 Total: %1</source>
        <extracomment>Under the six upper categories; %1 is their sum with the bonus. The blank after the colon is part of the look.</extracomment>
        <translation>Total 1-6: %1</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <extracomment>Under the card; %1 is the sum of every category with the bonus.</extracomment>
        <translation>Total: %1</translation>
    </message>
</context>
<context>
    <name>WaitingScores</name>
    <message>
        <source>%1 scores are waiting already, as many as are kept</source>
        <extracomment>Why more scores cannot wait for the Halls; %1 is the most that are kept (1024).</extracomment>
        <translation>ya esperan %1 puntuaciones, tantas como se conservan</translation>
    </message>
</context>
</TS>
