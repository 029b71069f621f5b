<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ca">
<context>
    <name>Orvel</name>
    <message>
        <source>el plafó no té l&apos;àrea 1 per dibuixar</source>
        <translation>the board has no area 1 to draw</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Inici</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Re.Pg</source>
        <translation>PgUp</translation>
    </message>
    <message>
        <source>Supr</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Fi</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Av.Pg</source>
        <translation>PgDn</translation>
    </message>
    <message>
        <source>Retr</source>
        <translation>Bksp</translation>
    </message>
    <message>
        <source> Imp.P</source>
        <translation> PrtSc</translation>
    </message>
    <message>
        <source>Bloc.Desp</source>
        <translation>NumLock</translation>
    </message>
    <message>
        <source>Bloq.Desp</source>
        <translation>ScrLk</translation>
    </message>
    <message>
        <source>Pausa</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Maj</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Espera</source>
        <translation>Wait</translation>
    </message>
    <message>
        <source>Plafó...</source>
        <translation>Board...</translation>
    </message>
    <message>
        <source>Programa...</source>
        <translation>Program...</translation>
    </message>
    <message>
        <source>Nivell 0</source>
        <translation>Level 0</translation>
    </message>
    <message>
        <source>Nivell -1</source>
        <translation>Level -1</translation>
    </message>
    <message>
        <source>Majúscules (la tecla següent)</source>
        <translation>Shift (the next key)</translation>
    </message>
    <message>
        <source>Control (la tecla següent)</source>
        <translation>Control (the next key)</translation>
    </message>
    <message>
        <source>Alt (la tecla següent)</source>
        <translation>Alt (the next key)</translation>
    </message>
    <message>
        <source>Espera 1</source>
        <translation>Wait 1</translation>
    </message>
    <message>
        <source>Carrega un plafó</source>
        <translation>Load a board</translation>
    </message>
    <message>
        <source>Executa un programa</source>
        <translation>Run a program</translation>
    </message>
    <message>
        <source>Escriu</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Canvi de plafó</source>
        <translation>Change board</translation>
    </message>
    <message>
        <source>Fitxer Orv</source>
        <translation>Orv file</translation>
    </message>
    <message>
        <source>Enganxar un dibuix</source>
        <translation>Paste a picture</translation>
    </message>
    <message>
        <source>Fitxer Gràfic</source>
        <translation>Picture file</translation>
    </message>
    <message>
        <source>Enganxar un fitxer</source>
        <translation>Paste a file</translation>
    </message>
    <message>
        <source>Fitxer text</source>
        <translation>Text file</translation>
    </message>
    <message>
        <source>Escoltar sons</source>
        <translation>Play sounds</translation>
    </message>
    <message>
        <source>Fitxer so</source>
        <translation>Sound file</translation>
    </message>
    <message>
        <source>Executar programes</source>
        <translation>Run programs</translation>
    </message>
    <message>
        <source>Fitxer exe</source>
        <translation>Program file</translation>
    </message>
    <message>
        <source>Exploració nivell anterior</source>
        <translation>Scan the previous level</translation>
    </message>
    <message>
        <source>Exploració nivell inicial</source>
        <translation>Scan the first level</translation>
    </message>
    <message>
        <source>Llegir un text</source>
        <translation>Read a text aloud</translation>
    </message>
    <message>
        <source>Llegir un fitxer</source>
        <translation>Read a file aloud</translation>
    </message>
    <message>
        <source>Recupera Text CarpetaWindow</source>
        <translation>Recall clipboard text</translation>
    </message>
    <message>
        <source>Retard</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Si memoria es ...</source>
        <translation>If memory is ...</translation>
    </message>
    <message>
        <source>Tancar tot</source>
        <translation>Close all</translation>
    </message>
    <message>
        <source>Tria </source>
        <translation>Choose at random </translation>
    </message>
    <message>
        <source>Llista</source>
        <translation>List</translation>
    </message>
    <message>
        <source>Memòria Esborra memòria </source>
        <translation>Memory Clear memory </translation>
    </message>
    <message>
        <source>Memòria Posa a memoria</source>
        <translation>Memory Store in memory</translation>
    </message>
    <message>
        <source>Memòria Recupera de memòria</source>
        <translation>Memory Recall memory</translation>
    </message>
    <message>
        <source>Memòria Resta Memòria</source>
        <translation>Memory Subtract from memory</translation>
    </message>
    <message>
        <source>Memòria Suma memòria</source>
        <translation>Memory Add to memory</translation>
    </message>
    <message>
        <source>Mouse Aixecar botó dret</source>
        <translation>Mouse Release right button</translation>
    </message>
    <message>
        <source>Mouse Aixecar botó esquerra</source>
        <translation>Mouse Release left button</translation>
    </message>
    <message>
        <source>Mouse Avançar</source>
        <translation>Mouse Forward</translation>
    </message>
    <message>
        <source>Mouse Clic dret</source>
        <translation>Mouse Right click</translation>
    </message>
    <message>
        <source>Mouse Clic esquerra</source>
        <translation>Mouse Left click</translation>
    </message>
    <message>
        <source>Mouse Dloble clic dret</source>
        <translation>Mouse Right double click</translation>
    </message>
    <message>
        <source>Mouse Dloble clic esquerra</source>
        <translation>Mouse Left double click</translation>
    </message>
    <message>
        <source>Mouse Esquerra</source>
        <translation>Mouse Left</translation>
    </message>
    <message>
        <source>Mouse Mou-te</source>
        <translation>Mouse Move to</translation>
    </message>
    <message>
        <source>Cordenades</source>
        <translation>Coordinates</translation>
    </message>
    <message>
        <source>Mouse Punxar i arrosegar dret</source>
        <translation>Mouse Right drag</translation>
    </message>
    <message>
        <source>Mouse Punxar i arrosegar esquerra</source>
        <translation>Mouse Left drag</translation>
    </message>
    <message>
        <source>Mouse Retrocedir</source>
        <translation>Mouse Back</translation>
    </message>
    <message>
        <source>Ordres</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>Enganxar un text</source>
        <translation>Paste a text</translation>
    </message>
    <message>
        <source>Botó dret</source>
        <translation>Right button</translation>
    </message>
    <message>
        <source>Clic dret</source>
        <translation>Right click</translation>
    </message>
    <message>
        <source>Doble clic dret</source>
        <translation>Right double click</translation>
    </message>
    <message>
        <source>Punxar i arrosegar dret</source>
        <translation>Right drag</translation>
    </message>
    <message>
        <source>Aixecar botó dret</source>
        <translation>Release right button</translation>
    </message>
    <message>
        <source>Botó esquerra</source>
        <translation>Left button</translation>
    </message>
    <message>
        <source>Clic esquerra</source>
        <translation>Left click</translation>
    </message>
    <message>
        <source>Doble clic esquerra</source>
        <translation>Left double click</translation>
    </message>
    <message>
        <source>Punxar i arrosegar esquerra</source>
        <translation>Left drag</translation>
    </message>
    <message>
        <source>Aixecar botó esquerra</source>
        <translation>Release left button</translation>
    </message>
    <message>
        <source>Ratolí</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Avançar</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Retrocedir</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Dreta</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Esquerra</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Mou-te</source>
        <translation>Move to</translation>
    </message>
    <message>
        <source>Memoria</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>Posa a memoria</source>
        <translation>Store in memory</translation>
    </message>
    <message>
        <source>Recupera de memòria</source>
        <translation>Recall memory</translation>
    </message>
    <message>
        <source>Esborra memòria</source>
        <translation>Clear memory</translation>
    </message>
    <message>
        <source>Suma memòria</source>
        <translation>Add to memory</translation>
    </message>
    <message>
        <source>Resta Memòria</source>
        <translation>Subtract from memory</translation>
    </message>
    <message>
        <source>Recupera Text Carpeta  Window</source>
        <translation>Recall clipboard text</translation>
    </message>
    <message>
        <source>Fitxers</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Fitxers executable(*.EXE)|*.EXE|Tots els fixters (*.*)|*.*</source>
        <translation>Programs (*.EXE)|*.EXE|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Fitxers de so</source>
        <translation>Sound files</translation>
    </message>
    <message>
        <source>Fitxers de so(*.WAV)|*.WAV|Fitxers de música(*.MID)|*.MID</source>
        <translation>Sound files (*.WAV)|*.WAV|Music files (*.MID)|*.MID</translation>
    </message>
    <message>
        <source>Fitxer de plantilla</source>
        <translation>Board file</translation>
    </message>
    <message>
        <source>Teclat Pantalla Windows (*.ORV)|*.ORV</source>
        <translation>On-screen keyboard boards (*.ORV)|*.ORV</translation>
    </message>
    <message>
        <source>Fitxers de text per a enganxar</source>
        <translation>Text files to paste</translation>
    </message>
    <message>
        <source>Fitxers de text (*.TXT)|*.TXT|Fitxers gràfics (*.BMP)|*.BMP|Fitxers gràfics (*.WMF)|*.WMF|Fitxers gràfics (*.GIF)|*.GIF|Fitxers gràfics (*.JPG)|*.JPG</source>
        <translation>Text files (*.TXT)|*.TXT|Picture files (*.BMP)|*.BMP|Picture files (*.WMF)|*.WMF|Picture files (*.GIF)|*.GIF|Picture files (*.JPG)|*.JPG</translation>
    </message>
    <message>
        <source>En engegar els programes del plafó: </source>
        <translation>While starting the board&apos;s programs: </translation>
    </message>
    <message>
        <source>No s&apos;ha desat el valor %1 al registre: %2.</source>
        <translation>The value %1 was not saved in the registry: %2.</translation>
    </message>
    <message>
        <source>%1 no és el nom de cap tecla</source>
        <translation>%1 is not the name of a key</translation>
    </message>
    <message>
        <source>un nom</source>
        <translation>a name</translation>
    </message>
    <message>
        <source>hi ha una clau { sense tancar o una } de més</source>
        <translation>a { is never closed, or there is a stray }</translation>
    </message>
    <message>
        <source>hi ha un parèntesi sense parella</source>
        <translation>a parenthesis has no partner</translation>
    </message>
    <message>
        <source>el nombre de repeticions de %1 no és un nombre de 0 a %2</source>
        <translation>the repeat count of %1 is not a number from 0 to %2</translation>
    </message>
    <message>
        <source>una tecla</source>
        <translation>a key</translation>
    </message>
    <message>
        <source>un modificador (+ ^ %) no té cap tecla al darrere</source>
        <translation>a modifier (+ ^ %) has no key after it</translation>
    </message>
    <message>
        <source>són més de %1 tecles seguides</source>
        <translation>more than %1 keys in a row</translation>
    </message>
    <message>
        <source>no hi ha pantalla X o no té l&apos;extensió XTest</source>
        <translation>there is no X display, or it lacks the XTest extension</translation>
    </message>
    <message>
        <source>un caràcter no és a cap tecla del teclat i no queda cap tecla lliure per fer-lo servir</source>
        <translation>a character is on no key of the keyboard and no spare key is left to type it</translation>
    </message>
    <message>
        <source>la finestra no havia llegit a temps les tecles anteriors i la resta no s&apos;ha escrit</source>
        <translation>the window had not read the previous keys in time, so the rest was not typed</translation>
    </message>
    <message>
        <source>no s&apos;ha pogut activar la finestra que rep les tecles</source>
        <translation>the window that receives the keys could not be activated</translation>
    </message>
    <message>
        <source>error desconegut</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>l&apos;àrea %1</source>
        <translation>area %1</translation>
    </message>
    <message>
        <source>les tecles inicials del plafó</source>
        <translation>the board&apos;s initial keys</translation>
    </message>
    <message>
        <source>Error %1 en enviar les tecles «%2» de %3: %4.</source>
        <translation>Error %1 while typing the keys “%2” of %3: %4.</translation>
    </message>
    <message>
        <source>No es pot activar el fitxer de documentació</source>
        <translation>The documentation file cannot be opened</translation>
    </message>
    <message>
        <source>No es pot activar el fitxer de l&apos;imatge</source>
        <translation>The picture file cannot be opened</translation>
    </message>
    <message>
        <source>Format incorrecte</source>
        <translation>Wrong format</translation>
    </message>
    <message>
        <source>Error en llegir el fitxer </source>
        <translation>Error reading the file </translation>
    </message>
    <message>
        <source>Orvel ja s&apos;està executant!</source>
        <translation>Orvel is already running!</translation>
    </message>
    <message>
        <source>El fitxer ha estat modificat. Voleu enregistrar-lo?</source>
        <translation>The file has been changed. Do you want to save it?</translation>
    </message>
    <message>
        <source>    Orvel v 2.03 <byte value="xd"/><byte value="xd"/>Equip d&apos;Orvel<byte value="xd"/>orvel@localhost<byte value="xd"/><byte value="xd"/>    novembre de 2002</source>
        <translation>    Orvel v 2.03 <byte value="xd"/><byte value="xd"/>The Orvel team<byte value="xd"/>orvel@localhost<byte value="xd"/><byte value="xd"/>    November 2002</translation>
    </message>
    <message>
        <source>Quant a Orvel</source>
        <translation>About Orvel</translation>
    </message>
    <message>
        <source>&gt;&gt;&gt; tria un programa</source>
        <translation>&gt;&gt;&gt; choose a program</translation>
    </message>
    <message>
        <source>&gt;&gt;&gt; ALTRES</source>
        <translation>&gt;&gt;&gt; OTHERS</translation>
    </message>
    <message>
        <source>&gt;&gt;&gt; Tria una macro</source>
        <translation>&gt;&gt;&gt; Choose a macro</translation>
    </message>
    <message>
        <source>Teniu instal·lada una versió de Orvel anterior que no reconeix aquets format de fitxer</source>
        <translation>This version of Orvel is older than the file and cannot read its format</translation>
    </message>
    <message>
        <source>Orvel no troba el fitxer </source>
        <translation>Orvel cannot find the file </translation>
    </message>
    <message>
        <source>AVANÇAR</source>
        <translation>FORWARD</translation>
    </message>
    <message>
        <source>RECULAR</source>
        <translation>BACK</translation>
    </message>
    <message>
        <source>DRETA</source>
        <translation>RIGHT</translation>
    </message>
    <message>
        <source>ESQUERRA</source>
        <translation>LEFT</translation>
    </message>
    <message>
        <source>ACCEPTAR</source>
        <translation>ACCEPT</translation>
    </message>
    <message>
        <source>Alguns caràcters de les llistes de tecles no caben en el fitxer i s&apos;hi han escrit com a &quot;?&quot;: </source>
        <translation>Some characters of the key lists do not fit in the file and were written as &quot;?&quot;: </translation>
    </message>
    <message>
        <source>Alguns caràcters no es poden desar amb el joc de caràcters del fitxer i s&apos;han desat com a &quot;?&quot;: </source>
        <translation>Some characters cannot be saved in the file&apos;s character set and were saved as &quot;?&quot;: </translation>
    </message>
    <message>
        <source>No hi ha cap programa per iniciar</source>
        <translation>There is no program to start</translation>
    </message>
    <message>
        <source>No s&apos;ha trobat el programa %1</source>
        <translation>The program %1 was not found</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut iniciar el programa %1</source>
        <translation>The program %1 could not be started</translation>
    </message>
    <message>
        <source>un altre programa té el registre ocupat</source>
        <translation>another program is using the registry</translation>
    </message>
    <message>
        <source>el registre és només de lectura</source>
        <translation>the registry is read-only</translation>
    </message>
    <message>
        <source>el disc és ple</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>El registre d&apos;Orvel no es podia llegir (%1).<byte value="xd"/>S&apos;ha apartat a %2 i se&apos;n comença un de buit.</source>
        <translation>Orvel&apos;s registry could not be read (%1).<byte value="xd"/>It was moved aside to %2 and a new, empty one was started.</translation>
    </message>
    <message>
        <source>No es pot obrir el registre d&apos;Orvel %1 (%2).<byte value="xd"/>Els valors d&apos;aquesta sessió no es desaran.</source>
        <translation>Orvel&apos;s registry %1 cannot be opened (%2).<byte value="xd"/>The values of this session will not be saved.</translation>
    </message>
    <message>
        <source>Cursor &amp;Ratolí</source>
        <translation>&amp;Mouse pointer</translation>
    </message>
    <message>
        <source>Escaneig &amp;Manual</source>
        <translation>Ma&amp;nual scanning</translation>
    </message>
    <message>
        <source>Escaneig &amp;Automàtic</source>
        <translation>A&amp;utomatic scanning</translation>
    </message>
    <message>
        <source>Cursors &amp;Teclat</source>
        <translation>&amp;Keyboard arrows</translation>
    </message>
    <message>
        <source>&amp;Joystic</source>
        <translation>&amp;Joystick</translation>
    </message>
    <message>
        <source>&amp;Veu</source>
        <translation>&amp;Voice</translation>
    </message>
    <message>
        <source>Configuració pulsador 1</source>
        <translation>Switch 1 settings</translation>
    </message>
    <message>
        <source>Configuració pulsador 2</source>
        <translation>Switch 2 settings</translation>
    </message>
    <message>
        <source>Configuració pulsador</source>
        <translation>Switch settings</translation>
    </message>
    <message>
        <source>no és un fitxer d&apos;imatge que es pugui llegir</source>
        <translation>not a picture file that can be read</translation>
    </message>
    <message>
        <source>No s&apos;ha trobat cap micròfon: </source>
        <translation>No microphone was found: </translation>
    </message>
    <message>
        <source>No s&apos;han pogut llegir les paraules entrenades de </source>
        <translation>The trained words could not be read from </translation>
    </message>
    <message>
        <source>No s&apos;han pogut desar les paraules a </source>
        <translation>The words could not be saved to </translation>
    </message>
    <message>
        <source>S&apos;ha perdut el micròfon: el control per veu s&apos;ha aturat.</source>
        <translation>The microphone was lost: voice control has stopped.</translation>
    </message>
    <message>
        <source>el fitxer és massa gran</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>el fitxer és incomplet</source>
        <translation>the file is incomplete</translation>
    </message>
    <message>
        <source>el fitxer és incomplet o malmès</source>
        <translation>the file is incomplete or damaged</translation>
    </message>
    <message>
        <source>no és un fitxer de paraules</source>
        <translation>it is not a word file</translation>
    </message>
    <message>
        <source>és d&apos;una altra versió</source>
        <translation>it is from another version</translation>
    </message>
    <message>
        <source>té massa paraules</source>
        <translation>it has too many words</translation>
    </message>
    <message>
        <source>el fitxer és malmès</source>
        <translation>the file is damaged</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut iniciar la Dll de reconeixement de sons</source>
        <translation>Speech recognition could not be started</translation>
    </message>
    <message>
        <source>Fitxer gràfic</source>
        <translation>Picture file</translation>
    </message>
    <message>
        <source>+ Codi</source>
        <translation>+ Code</translation>
    </message>
    <message>
        <source>- Codi</source>
        <translation>- Code</translation>
    </message>
    <message>
        <source>^ Codi</source>
        <translation>^ Code</translation>
    </message>
    <message>
        <source>Acceptar</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Assistent tecles</source>
        <translation>Key text assistant</translation>
    </message>
    <message>
        <source>Símbol visual</source>
        <translation>Visual symbol</translation>
    </message>
    <message>
        <source>Imatges (*.bmp *.BMP *.png *.PNG *.jpg *.JPG *.jpeg *.gif *.GIF *.pcx *.PCX *.ico *.svg)</source>
        <translation>Pictures (*.bmp *.BMP *.png *.PNG *.jpg *.JPG *.jpeg *.gif *.GIF *.pcx *.PCX *.ico *.svg)</translation>
    </message>
    <message>
        <source>Carregar Fitxers de so</source>
        <translation>Open sound files</translation>
    </message>
    <message>
        <source>Fitxers so (*.WAV *.wav)</source>
        <translation>Sound files (*.WAV *.wav)</translation>
    </message>
    <message>
        <source>D&apos;Acord</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Desar les paraules entrenades</source>
        <translation>Save the trained words</translation>
    </message>
    <message>
        <source>Paraules (*.VEU *.veu)</source>
        <translation>Words (*.VEU *.veu)</translation>
    </message>
    <message>
        <source>l&apos;ordre «%1» només la fa Orvel</source>
        <translation>only Orvel understands the command “%1”</translation>
    </message>
    <message>
        <source>el so «%1» no es pot llegir</source>
        <translation>the sound “%1” cannot be read</translation>
    </message>
    <message>
        <source>la graella nomena el botó «%1», que no hi és</source>
        <translation>the grid names the button “%1”, which is not there</translation>
    </message>
    <message>
        <source>el botó «%1»: l&apos;acció «%2» no té equivalent a Orvel</source>
        <translation>the button “%1”: the action “%2” has no equivalent in Orvel</translation>
    </message>
    <message>
        <source>el botó «%1» enllaça amb un plafó que no és al conjunt (%2)</source>
        <translation>the button “%1” links to a board that is not in the set (%2)</translation>
    </message>
    <message>
        <source>el botó «%1» torna a carregar el mateix plafó</source>
        <translation>the button “%1” loads the same board again</translation>
    </message>
    <message>
        <source>el botó amagat «%1» no s&apos;ha importat</source>
        <translation>the hidden button “%1” was not imported</translation>
    </message>
    <message>
        <source>no s&apos;ha pogut llegir el plafó «%1»</source>
        <translation>the board “%1” could not be read</translation>
    </message>
    <message>
        <source>no s&apos;ha exportat: no s&apos;ha pogut llegir</source>
        <translation>not exported: it could not be read</translation>
    </message>
    <message>
        <source>no s&apos;ha pogut escriure «%1»: %2</source>
        <translation>“%1” could not be written: %2</translation>
    </message>
    <message>
        <source>no s&apos;ha importat: %1</source>
        <translation>not imported: %1</translation>
    </message>
    <message>
        <source>conjunt</source>
        <translation>set</translation>
    </message>
    <message>
        <source>només s&apos;han importat els primers %1 plafons</source>
        <translation>only the first %1 boards were imported</translation>
    </message>
    <message>
        <source>no s&apos;ha escrit «%1»: és un enllaç simbòlic</source>
        <translation>“%1” was not written: it is a symbolic link</translation>
    </message>
    <message>
        <source>l&apos;adreça «data:» no és vàlida</source>
        <translation>the “data:” address is not valid</translation>
    </message>
    <message>
        <source>només és a la xarxa (%1)</source>
        <translation>it is only on the network (%1)</translation>
    </message>
    <message>
        <source>no té contingut</source>
        <translation>it has no content</translation>
    </message>
    <message>
        <source>%1 «%2»: %3</source>
        <translation>%1 “%2”: %3</translation>
    </message>
    <message>
        <source>la imatge «%1» no és al plafó</source>
        <translation>the picture “%1” is not in the board</translation>
    </message>
    <message>
        <source>la imatge</source>
        <translation>the picture</translation>
    </message>
    <message>
        <source>la imatge «%1»: %2</source>
        <translation>the picture “%1”: %2</translation>
    </message>
    <message>
        <source>el so «%1» no és al plafó</source>
        <translation>the sound “%1” is not in the board</translation>
    </message>
    <message>
        <source>el so</source>
        <translation>the sound</translation>
    </message>
    <message>
        <source>el so «%1» (%2): %3</source>
        <translation>the sound “%1” (%2): %3</translation>
    </message>
    <message>
        <source>la caràtula no s&apos;ha pogut escriure: %1</source>
        <translation>the cover could not be written: %1</translation>
    </message>
    <message>
        <source>%1 caràcters no caben en el joc de caràcters dels plafons i s&apos;han escrit «?»</source>
        <translation>%1 characters do not fit the boards&apos; character set and were written as “?”</translation>
    </message>
    <message>
        <source>no es pot crear la carpeta «%1»</source>
        <translation>the folder “%1” cannot be created</translation>
    </message>
    <message>
        <source>el conjunt no té cap plafó que es pugui importar</source>
        <translation>the set has no board that can be imported</translation>
    </message>
    <message>
        <source>Importat de %1: %2 plafons.</source>
        <translation>Imported from %1: %2 boards.</translation>
    </message>
    <message>
        <source>el JSON no és vàlid (%1, posició %2)</source>
        <translation>the JSON is not valid (%1, position %2)</translation>
    </message>
    <message>
        <source>el JSON no és un objecte</source>
        <translation>the JSON is not an object</translation>
    </message>
    <message>
        <source>format desconegut «%1»</source>
        <translation>unknown format “%1”</translation>
    </message>
    <message>
        <source>té més de %1 botons</source>
        <translation>it has more than %1 buttons</translation>
    </message>
    <message>
        <source>la graella de %1 × %2 no és vàlida</source>
        <translation>the %1 × %2 grid is not valid</translation>
    </message>
    <message>
        <source>l&apos;àrea %1 ha perdut el símbol visual «%2»</source>
        <translation>area %1 lost its visual symbol “%2”</translation>
    </message>
    <message>
        <source>l&apos;àrea %1 ha perdut el símbol auditiu «%2»</source>
        <translation>area %1 lost its sound symbol “%2”</translation>
    </message>
    <message>
        <source>la imatge és massa gran (%1 × %2)</source>
        <translation>the picture is too large (%1 × %2)</translation>
    </message>
    <message>
        <source>la imatge no es pot llegir (%1)</source>
        <translation>the picture cannot be read (%1)</translation>
    </message>
    <message>
        <source>el camí «%1» surt de la carpeta del plafó</source>
        <translation>the path “%1” leads out of the board&apos;s folder</translation>
    </message>
    <message>
        <source>«%1» no és un fitxer de la carpeta del plafó</source>
        <translation>“%1” is not a file in the board&apos;s folder</translation>
    </message>
    <message>
        <source>«%1» és massa gran</source>
        <translation>“%1” is too large</translation>
    </message>
    <message>
        <source>«%1» no existeix</source>
        <translation>“%1” does not exist</translation>
    </message>
    <message>
        <source>«%1» no es pot llegir</source>
        <translation>“%1” cannot be read</translation>
    </message>
    <message>
        <source>no es pot llegir el fitxer «%1»</source>
        <translation>the file “%1” cannot be read</translation>
    </message>
    <message>
        <source>el so no es pot convertir (%1)</source>
        <translation>the sound cannot be converted (%1)</translation>
    </message>
    <message>
        <source>el so no es pot convertir (format de sortida inesperat)</source>
        <translation>the sound cannot be converted (unexpected output format)</translation>
    </message>
    <message>
        <source>el so és massa llarg</source>
        <translation>the sound is too long</translation>
    </message>
    <message>
        <source>no és un arxiu zip que es pugui llegir (%1)</source>
        <translation>it is not a zip archive that can be read (%1)</translation>
    </message>
    <message>
        <source>l&apos;arxiu té més de %1 fitxers</source>
        <translation>the archive has more than %1 files</translation>
    </message>
    <message>
        <source>el camí «%1» surt del conjunt</source>
        <translation>the path “%1” leads out of the set</translation>
    </message>
    <message>
        <source>«%1» no és a l&apos;arxiu</source>
        <translation>“%1” is not in the archive</translation>
    </message>
    <message>
        <source>«%1» és un enllaç simbòlic</source>
        <translation>“%1” is a symbolic link</translation>
    </message>
    <message>
        <source>«%1» és massa gran (%2 MB)</source>
        <translation>“%1” is too large (%2 MB)</translation>
    </message>
    <message>
        <source>el conjunt és massa gran un cop descomprimit</source>
        <translation>the set is too large once unpacked</translation>
    </message>
    <message>
        <source>«%1» és massa gran un cop descomprimit</source>
        <translation>“%1” is too large once unpacked</translation>
    </message>
    <message>
        <source>«%1» està malmès</source>
        <translation>“%1” is damaged</translation>
    </message>
    <message>
        <source>No es pot llegir el perfil d&apos;usuari: %1</source>
        <translation>The user profile cannot be read: %1</translation>
    </message>
    <message>
        <source>No és un perfil d&apos;usuari (no té la secció [Orvel]): %1</source>
        <translation>This is not a user profile (it has no [Orvel] section): %1</translation>
    </message>
    <message>
        <source>No es pot dibuixar el símbol %1.</source>
        <translation>Cannot draw the symbol %1.</translation>
    </message>
    <message>
        <source>No es pot escriure %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>No es pot escriure %1.bmp: hi ha massa fitxers amb aquest nom.</source>
        <translation>Cannot write %1.bmp: there are too many files with this name.</translation>
    </message>
    <message>
        <source>Símbols d&apos;OpenMoji (openmoji.org), llicència CC BY-SA 4.0. Paraules de cerca del CLDR d&apos;Unicode.</source>
        <translation>Symbols from OpenMoji (openmoji.org), licence CC BY-SA 4.0. Search words from the Unicode CLDR.</translation>
    </message>
    <message>
        <source>No s&apos;ha trobat la biblioteca de símbols (%1).</source>
        <translation>The symbol library was not found (%1).</translation>
    </message>
    <message>
        <source>No es pot llegir l&apos;índex de símbols %1.</source>
        <translation>Cannot read the symbol index %1.</translation>
    </message>
    <message>
        <source>L&apos;índex de símbols %1 no té cap símbol.</source>
        <translation>The symbol index %1 holds no symbol.</translation>
    </message>
    <message>
        <source>Torneu a instal·lar-la amb scripts/install-deps.</source>
        <translation>Install it again with scripts/install-deps.</translation>
    </message>
    <message>
        <source>Aquesta és una sessió Wayland: Orvel només pot escriure i moure el ratolí en els programes X11 (els que funcionen amb XWayland). Els programes propis de Wayland no reben res d&apos;Orvel: per fer-los servir, entreu en una sessió X11 (per exemple «GNOME sobre Xorg» a la pantalla d&apos;entrada).</source>
        <translation>This is a Wayland session: Orvel can type and move the mouse only in X11 programs (those that run under XWayland). Native Wayland programs receive nothing from Orvel: to use them, log in to an X11 session (for example &quot;GNOME on Xorg&quot; on the login screen).</translation>
    </message>
    <message>
        <source>Orvel no pot funcionar en aquesta sessió: és una sessió Wayland sense X11 (XWayland), i Orvel mostra els plafons i escriu només a través d&apos;X11. Entreu en una sessió X11 (per exemple «GNOME sobre Xorg» a la pantalla d&apos;entrada) o activeu XWayland: llavors Orvel escriurà en els programes X11.</source>
        <translation>Orvel cannot work in this session: it is a Wayland session without X11 (XWayland), and Orvel shows boards and types only through X11. Log in to an X11 session (for example &quot;GNOME on Xorg&quot; on the login screen) or turn on XWayland: then Orvel will type into X11 programs.</translation>
    </message>
    <message>
        <source>No hi ha cap pantalla X11 (la variable DISPLAY és buida): Orvel mostra els plafons i escriu a través d&apos;X11.</source>
        <translation>There is no X11 display (the DISPLAY variable is empty): Orvel shows boards and types through X11.</translation>
    </message>
    <message>
        <source>Sí&amp;mbols...</source>
        <translation>Sy&amp;mbols...</translation>
    </message>
    <message>
        <source>Símbols</source>
        <translation>Symbols</translation>
    </message>
    <message>
        <source>Deseu el plafó abans de posar-hi símbols: el símbol es desa a la carpeta del plafó.</source>
        <translation>Save the board before adding symbols: the symbol is saved in the board&apos;s folder.</translation>
    </message>
</context>
<context>
    <name>orvel::AreaPanel</name>
    <message>
        <source>0/0 àrees</source>
        <translation>0/0 areas</translation>
    </message>
    <message>
        <source>&amp;Afegir àrea</source>
        <translation>A&amp;dd area</translation>
    </message>
    <message>
        <source>&amp;Eliminar àrea</source>
        <translation>De&amp;lete area</translation>
    </message>
    <message>
        <source>Tecles:</source>
        <translation>Keys:</translation>
    </message>
    <message>
        <source>Símbol visual</source>
        <translation>Visual symbol</translation>
    </message>
    <message>
        <source>Fitxer...</source>
        <translation>File...</translation>
    </message>
    <message>
        <source>Veure</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Símbol auditiu</source>
        <translation>Sound symbol</translation>
    </message>
    <message>
        <source>Escoltar</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>Carregar fitxer a la carpeta:</source>
        <translation>Load file to the clipboard:</translation>
    </message>
    <message>
        <source>Gràfic</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Repetició de lectures</source>
        <translation>Repeat readings</translation>
    </message>
    <message>
        <source>%1/%2 àrees</source>
        <translation>%1/%2 areas</translation>
    </message>
    <message>
        <source>----- àrees</source>
        <translation>----- areas</translation>
    </message>
    <message>
        <source>Sí&amp;mbols...</source>
        <translation>Sy&amp;mbols...</translation>
    </message>
</context>
<context>
    <name>orvel::AuxKeyboard</name>
    <message>
        <source>&amp;Teclat auxiliar</source>
        <translation>&amp;Auxiliary keyboard</translation>
    </message>
</context>
<context>
    <name>orvel::CoverMenu</name>
    <message>
        <source>&amp;Caràtula</source>
        <translation>&amp;Cover</translation>
    </message>
    <message>
        <source>&amp;Nova</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Editar</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Enregistrar Caràtula</source>
        <translation>Save cover</translation>
    </message>
    <message>
        <source>Làmines de tauleta  (*.BMP *.bmp)</source>
        <translation>Bitmaps  (*.BMP *.bmp)</translation>
    </message>
</context>
<context>
    <name>orvel::Dades</name>
    <message>
        <source>Nombre</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Fitxer...</source>
        <translation>File...</translation>
    </message>
    <message>
        <source>Codis</source>
        <translation>Codes</translation>
    </message>
    <message>
        <source>teclat virtual</source>
        <translation>virtual keyboard</translation>
    </message>
    <message>
        <source>Acceptar</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>orvel::EditorAids</name>
    <message>
        <source>Tec. Aux.</source>
        <translation>Aux. keys</translation>
    </message>
    <message>
        <source>Assistent tecles</source>
        <translation>Key text assistant</translation>
    </message>
</context>
<context>
    <name>orvel::EditorFace</name>
    <message>
        <source>So actiu</source>
        <translation>Sound on</translation>
    </message>
    <message>
        <source>Arees</source>
        <translation>Areas</translation>
    </message>
    <message>
        <source>&amp;Subdividir àrea</source>
        <translation>&amp;Split area</translation>
    </message>
    <message>
        <source>&amp;Eliminar àrea</source>
        <translation>De&amp;lete area</translation>
    </message>
    <message>
        <source>&amp;Afegir àrea</source>
        <translation>A&amp;dd area</translation>
    </message>
    <message>
        <source>Redimensionar àrees</source>
        <translation>Resize areas</translation>
    </message>
    <message>
        <source>Ajustar àrees</source>
        <translation>Fit areas</translation>
    </message>
    <message>
        <source>&amp;Veure</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Caràtula</source>
        <translation>&amp;Cover</translation>
    </message>
    <message>
        <source>&amp;Edició</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Enganxar</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Desfer</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>&amp;Ajuda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Índex de l&apos;ajuda</source>
        <translation>Help &amp;contents</translation>
    </message>
    <message>
        <source>Ajuda...</source>
        <translation>Help...</translation>
    </message>
    <message>
        <source>&amp;Quant al Orvel...</source>
        <translation>&amp;About Orvel...</translation>
    </message>
    <message>
        <source>Cost d&apos;&amp;escaneig</source>
        <translation>Scanning c&amp;ost</translation>
    </message>
</context>
<context>
    <name>orvel::ExchangeCommands</name>
    <message>
        <source>Importar...</source>
        <translation>Import...</translation>
    </message>
    <message>
        <source>Exportar...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Importar un conjunt de plafons</source>
        <translation>Import a set of boards</translation>
    </message>
    <message>
        <source>Open Board Format (*.obz *.obf *.OBZ *.OBF)</source>
        <translation>Open Board Format (*.obz *.obf *.OBZ *.OBF)</translation>
    </message>
    <message>
        <source>Carpeta dels plafons importats</source>
        <translation>Folder for the imported boards</translation>
    </message>
    <message>
        <source>No s&apos;ha importat cap plafó: %1</source>
        <translation>No board was imported: %1</translation>
    </message>
    <message>
        <source>S&apos;han importat %1 plafons a %2.</source>
        <translation>%1 boards were imported into %2.</translation>
    </message>
    <message>
        <source>Exportar el plafó</source>
        <translation>Export the board</translation>
    </message>
    <message>
        <source>Open Board Format (*.obz)</source>
        <translation>Open Board Format (*.obz)</translation>
    </message>
    <message>
        <source>S&apos;han exportat %1 plafons a %2.</source>
        <translation>%1 boards were exported to %2.</translation>
    </message>
</context>
<context>
    <name>orvel::Fill</name>
    <message>
        <source>El text es conserva sencer en una fila.</source>
        <translation>The text is kept whole in one row.</translation>
    </message>
</context>
<context>
    <name>orvel::FrameColorBox</name>
    <message>
        <source>Color del marc</source>
        <translation>Frame colour</translation>
    </message>
</context>
<context>
    <name>orvel::LanguageMenu</name>
    <message>
        <source>&amp;Idioma</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Segons l&apos;escriptori</source>
        <translation>As the desktop</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut desar l&apos;idioma a Orvel.INI.</source>
        <translation>The language could not be saved in Orvel.INI.</translation>
    </message>
    <message>
        <source>L&apos;idioma nou es farà servir la propera vegada que engegueu Orvel.</source>
        <translation>The new language will be used the next time Orvel starts.</translation>
    </message>
</context>
<context>
    <name>orvel::MacrosMenu</name>
    <message>
        <source>Seleccionar</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Carregar macros</source>
        <translation>Load macros</translation>
    </message>
</context>
<context>
    <name>orvel::MainWindow</name>
    <message>
        <source>&amp;Fitxers</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Nou</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Obrir ...</source>
        <translation>&amp;Open ...</translation>
    </message>
    <message>
        <source>&amp;Desar ...</source>
        <translation>&amp;Save ...</translation>
    </message>
    <message>
        <source>&amp;Activar</source>
        <translation>&amp;Activate</translation>
    </message>
    <message>
        <source>&amp;Sortir</source>
        <translation>&amp;Exit</translation>
    </message>
    <message>
        <source>&amp;Dades globals</source>
        <translation>&amp;Global data</translation>
    </message>
    <message>
        <source>&amp;So actiu</source>
        <translation>&amp;Sound on</translation>
    </message>
    <message>
        <source>Usuari</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Usuari &amp;Nou</source>
        <translation>&amp;New user</translation>
    </message>
    <message>
        <source>Carregar &amp;Usuari</source>
        <translation>&amp;Load user</translation>
    </message>
    <message>
        <source>Desar u&amp;suari</source>
        <translation>&amp;Save user</translation>
    </message>
    <message>
        <source>&amp;Accessibilitat</source>
        <translation>&amp;Accessibility</translation>
    </message>
    <message>
        <source>&amp;Canvi de plafó</source>
        <translation>&amp;Change board</translation>
    </message>
    <message>
        <source>Carregar el fitxer de plantilla</source>
        <translation>Open a board file</translation>
    </message>
    <message>
        <source>Teclat Pantalla Windows (*.ORV *.orv)</source>
        <translation>On-screen keyboard boards (*.ORV *.orv)</translation>
    </message>
    <message>
        <source>Enregistrar el fitxer de plantilla</source>
        <translation>Save the board file</translation>
    </message>
    <message>
        <source>Teclat pantalla Windows (*.ORV *.orv)</source>
        <translation>On-screen keyboard boards (*.ORV *.orv)</translation>
    </message>
    <message>
        <source>Carregar el fitxer de l&apos;usuari</source>
        <translation>Open a user profile</translation>
    </message>
    <message>
        <source>Usuari ORV (*.USR *.usr)</source>
        <translation>Orvel user (*.USR *.usr)</translation>
    </message>
    <message>
        <source>Enregistrar el fitxer de l&apos;usuari</source>
        <translation>Save the user profile</translation>
    </message>
</context>
<context>
    <name>orvel::PlantForm</name>
    <message>
        <source>Dades globals</source>
        <translation>Global data</translation>
    </message>
    <message>
        <source>Caràtula:</source>
        <translation>Cover:</translation>
    </message>
    <message>
        <source>Fitxer...</source>
        <translation>File...</translation>
    </message>
    <message>
        <source>Veure la Caràtula</source>
        <translation>Show the cover</translation>
    </message>
    <message>
        <source>Automàtica</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Documentació:</source>
        <translation>Documentation:</translation>
    </message>
    <message>
        <source>Veure la documentació</source>
        <translation>Show the documentation</translation>
    </message>
    <message>
        <source>Descripció:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Directori</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>Acceptar</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Abandonar</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>INICIALITZACIÓ</source>
        <translation>START-UP</translation>
    </message>
    <message>
        <source>Programa</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Tecles a enviar:</source>
        <translation>Keys to send:</translation>
    </message>
    <message>
        <source>Tec Aux</source>
        <translation>Aux. keys</translation>
    </message>
    <message>
        <source>Carregar fitxer a la carpeta:</source>
        <translation>Load file to the clipboard:</translation>
    </message>
    <message>
        <source>Gràfic</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Aplicació:</source>
        <translation>Application:</translation>
    </message>
    <message>
        <source>Síntesis de veu UPCTV</source>
        <translation>UPCTV speech synthesis</translation>
    </message>
    <message>
        <source>Catala</source>
        <translation>Catalan</translation>
    </message>
    <message>
        <source>Español</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>Dona</source>
        <translation>Female</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Veu</source>
        <translation>Voice</translation>
    </message>
    <message>
        <source>Velocitat</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>D&apos;Acord</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Anul·lació</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Documentació de la plantilla</source>
        <translation>Board documentation</translation>
    </message>
    <message>
        <source>Fitxers del Write (*.wri)|*.wri|Fitxers de text (*.txt)|*.txt</source>
        <translation>Write documents (*.wri)|*.wri|Text files (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Carregar Fitxers de text a la carpeta</source>
        <translation>Load text files to the clipboard</translation>
    </message>
    <message>
        <source>Fitxers Text (*.TXT,*.WRI,*.RTF)|*.TXT;*.WRI;*.RTF|Tots els fitxers (*.*)|*.*</source>
        <translation>Text files (*.TXT,*.WRI,*.RTF)|*.TXT;*.WRI;*.RTF|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Fitxers Executables (*.EXE)|*.EXE|Tots els fitxers (*.*)|*.*</source>
        <translation>Programs (*.EXE)|*.EXE|All files (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>orvel::Quadricula</name>
    <message>
        <source>Subdividir l&apos;àrea</source>
        <translation>Divide the area</translation>
    </message>
    <message>
        <source>Files:</source>
        <translation>Rows:</translation>
    </message>
    <message>
        <source>Columnes:</source>
        <translation>Columns:</translation>
    </message>
    <message>
        <source>D&apos;Acord</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>orvel::RDM</name>
    <message>
        <source>Redimensionar </source>
        <translation>Resize </translation>
    </message>
    <message>
        <source>% Horitzontal</source>
        <translation>% Horizontal</translation>
    </message>
    <message>
        <source>% Vertical</source>
        <translation>% Vertical</translation>
    </message>
    <message>
        <source>Acceptar</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>orvel::ScanCostLegend</name>
    <message>
        <source>%1 pulsacions</source>
        <translation>%1 presses</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Cost d&apos;escaneig manual: pulsacions fins a cada àrea</source>
        <translation>Manual scanning cost: presses to reach each area</translation>
    </message>
    <message>
        <source>Cost d&apos;escaneig automàtic: temps fins que cada àrea s&apos;il·lumina</source>
        <translation>Automatic scanning cost: time until each area lights up</translation>
    </message>
    <message>
        <source>Mitjana ponderada per les seleccions: %1</source>
        <translation>Average weighted by the selections: %1</translation>
    </message>
    <message>
        <source>Mitjana de les %1 àrees: %2</source>
        <translation>Average over the %1 areas: %2</translation>
    </message>
    <message>
        <source>Àrees que l&apos;escaneig no assoleix (en gris): %1</source>
        <translation>Areas the scanning never reaches (in grey): %1</translation>
    </message>
</context>
<context>
    <name>orvel::StepSuggestionBox</name>
    <message>
        <source>Aplica</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Aplica el temps suggerit</source>
        <translation>Apply the suggested time</translation>
    </message>
    <message>
        <source>Encara no hi ha prou pulsacions per suggerir un temps de presentació (en calen %1).</source>
        <translation>There are not enough presses yet to suggest a highlight time (%1 are needed).</translation>
    </message>
    <message>
        <source>Temps de presentació suggerit: %1 s (%2 dècimes), a partir de %3 pulsacions vostres.</source>
        <translation>Suggested highlight time: %1 s (%2 tenths), from %3 of your presses.</translation>
    </message>
</context>
<context>
    <name>orvel::SymbolPicker</name>
    <message>
        <source>Símbols</source>
        <translation>Symbols</translation>
    </message>
    <message>
        <source>&amp;Cerca:</source>
        <translation>&amp;Search:</translation>
    </message>
    <message>
        <source>Cerca de símbols</source>
        <translation>Symbol search</translation>
    </message>
    <message>
        <source>Símbols trobats</source>
        <translation>Symbols found</translation>
    </message>
    <message>
        <source>Crèdits dels símbols</source>
        <translation>Symbol credits</translation>
    </message>
    <message>
        <source>D&apos;Acord</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel·lar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Amb el text «%1» a sota</source>
        <translation>With the text &quot;%1&quot; below</translation>
    </message>
    <message>
        <source>Cap símbol no conté «%1».</source>
        <translation>No symbol contains &quot;%1&quot;.</translation>
    </message>
    <message numerus="yes">
        <source>%n símbols</source>
        <translation>
            <numerusform>%n symbol</numerusform>
            <numerusform>%n symbols</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>orvel::TecVirt</name>
    <message>
        <source>Teclat Auxiliar</source>
        <translation>Auxiliary keyboard</translation>
    </message>
</context>
<context>
    <name>orvel::USR_JOYSTIC</name>
    <message>
        <source>Josytick</source>
        <translation>Joystick</translation>
    </message>
    <message>
        <source>Sensibilitat</source>
        <translation>Sensitivity</translation>
    </message>
    <message>
        <source>Intensitat</source>
        <translation>Poll interval</translation>
    </message>
    <message>
        <source>Gruix del marc</source>
        <translation>Frame thickness</translation>
    </message>
</context>
<context>
    <name>orvel::VoiceDistancesWindow</name>
    <message>
        <source>Millorar</source>
        <translation>Improve</translation>
    </message>
    <message>
        <source>Distància entre les paraules entrenades: les marcades es poden confondre; torneu-ne a entrenar una.</source>
        <translation>Distance between the trained words: the marked ones may be confused; train one of them again.</translation>
    </message>
    <message>
        <source>&amp;Tancar</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>orvel::VoiceLevelWindow</name>
    <message>
        <source>Control del volum</source>
        <translation>Volume check</translation>
    </message>
    <message>
        <source>&amp;Tancar</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Soroll de fons: %1 dB</source>
        <translation>Background noise: %1 dB</translation>
    </message>
    <message>
        <source>No hi ha cap micròfon obert</source>
        <translation>No microphone is open</translation>
    </message>
</context>
<context>
    <name>orvel::VoiceTrainingWindow</name>
    <message>
        <source>Entrenament</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>&amp;Record</translation>
    </message>
    <message>
        <source>&amp;Esborrar</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Tancar</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Digueu: %1</source>
        <translation>Say: %1</translation>
    </message>
    <message>
        <source>No s&apos;ha sentit bé: %1</source>
        <translation>Not heard clearly: %1</translation>
    </message>
</context>
<context>
    <name>orvel::rec_graf</name>
    <message>
        <source>Fitxers Gràfics</source>
        <translation>Picture files</translation>
    </message>
</context>
<context>
    <name>orvel::sim</name>
    <message>
        <source>Si memoria es ...</source>
        <translation>If memory is ...</translation>
    </message>
    <message>
        <source>Memòria =</source>
        <translation>Memory =</translation>
    </message>
    <message>
        <source>Cert</source>
        <translation>True</translation>
    </message>
    <message>
        <source>Fals</source>
        <translation>False</translation>
    </message>
    <message>
        <source>Acceptar</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>orvel::usr</name>
    <message>
        <source>Qualsevol tecla</source>
        <translation>Any key</translation>
    </message>
    <message>
        <source>Tecla {ENTER}</source>
        <translation>{ENTER} key</translation>
    </message>
    <message>
        <source>Tecla {ESPAI}</source>
        <translation>{SPACE} key</translation>
    </message>
    <message>
        <source>Tecla de la llista</source>
        <translation>Key from the list</translation>
    </message>
    <message>
        <source>Moure el ratolí</source>
        <translation>Mouse movement</translation>
    </message>
    <message>
        <source>Clic esquerra</source>
        <translation>Left click</translation>
    </message>
    <message>
        <source>Doble clic esquerra</source>
        <translation>Left double click</translation>
    </message>
    <message>
        <source>Clic dret</source>
        <translation>Right click</translation>
    </message>
    <message>
        <source>Doble clic dret</source>
        <translation>Right double click</translation>
    </message>
    <message>
        <source>Configuració Pulsador</source>
        <translation>Switch settings</translation>
    </message>
    <message>
        <source>Pulsador</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>Teclat</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>Ratolí</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Llista de tecles </source>
        <translation>Key list </translation>
    </message>
    <message>
        <source>Temps de presentació</source>
        <translation>Highlight time</translation>
    </message>
    <message>
        <source>Temps d&apos;acció</source>
        <translation>Action time</translation>
    </message>
    <message>
        <source>Gruix del marc</source>
        <translation>Frame thickness</translation>
    </message>
    <message>
        <source>Ajustos d&apos;accés</source>
        <translation>Access settings</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>no</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Temps d&apos;acceptació</source>
        <translation>Acceptance time</translation>
    </message>
    <message>
        <source>Una pulsació compta només si es manté premuda aquest temps</source>
        <translation>A press counts only if it is held for this time</translation>
    </message>
    <message>
        <source>Temps després d&apos;acceptar</source>
        <translation>Time after acceptance</translation>
    </message>
    <message>
        <source>Les pulsacions fetes durant aquest temps després d&apos;una d&apos;acceptada no compten</source>
        <translation>Presses made within this time after an accepted one do not count</translation>
    </message>
    <message>
        <source>Retard del primer pas</source>
        <translation>First step delay</translation>
    </message>
    <message>
        <source>La primera àrea de cada nivell queda marcada aquest temps de més</source>
        <translation>The first area of each level stays highlighted this much longer</translation>
    </message>
    <message>
        <source> voltes</source>
        <translation> rounds</translation>
    </message>
    <message>
        <source>sense aturar-se</source>
        <translation>never stops</translation>
    </message>
    <message>
        <source>Voltes sense selecció</source>
        <translation>Rounds without a selection</translation>
    </message>
    <message>
        <source>L&apos;exploració automàtica s&apos;atura després d&apos;aquestes voltes sense cap selecció i torna a començar amb la pulsació següent</source>
        <translation>Automatic scanning stops after this many rounds without a selection and starts again at the next press</translation>
    </message>
    <message>
        <source>Exploració per files</source>
        <translation>Row scanning</translation>
    </message>
    <message>
        <source>Temps de permanència del ratolí</source>
        <translation>Mouse dwell time</translation>
    </message>
    <message>
        <source>Amb el cursor del ratolí, deixar el punter sobre una àrea aquest temps la selecciona</source>
        <translation>With the mouse pointer method, resting the pointer on an area for this time selects it</translation>
    </message>
    <message>
        <source>Marc amb contorn de contrast</source>
        <translation>Frame with a contrasting outline</translation>
    </message>
</context>
<context>
    <name>orvel::veu</name>
    <message>
        <source>Control per veu</source>
        <translation>Voice control</translation>
    </message>
    <message>
        <source>1 Ordre</source>
        <translation>1 order</translation>
    </message>
    <message>
        <source>2 Ordres</source>
        <translation>2 orders</translation>
    </message>
    <message>
        <source>5 Ordres</source>
        <translation>5 orders</translation>
    </message>
    <message>
        <source>&amp;Entrenament</source>
        <translation>&amp;Training</translation>
    </message>
    <message>
        <source>&amp;Guardar...</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <source> &amp;Millorar...</source>
        <translation> &amp;Improve...</translation>
    </message>
    <message>
        <source>Control del &amp;volum</source>
        <translation>&amp;Volume check</translation>
    </message>
    <message>
        <source>Dècimes de registre</source>
        <translation>Recording time (tenths of a second)</translation>
    </message>
    <message>
        <source>Temps de presentació</source>
        <translation>Highlight time</translation>
    </message>
    <message>
        <source>Gruix del marc</source>
        <translation>Frame thickness</translation>
    </message>
</context>
</TS>
