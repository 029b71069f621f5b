<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ca">
<context>
    <name>Orvel</name>
    <message>
        <source>el plafó no té l&apos;àrea 1 per dibuixar</source>
        <translation>el tablero no tiene el área 1 para dibujar</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Inici</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Re.Pg</source>
        <translation>Re.Pág</translation>
    </message>
    <message>
        <source>Supr</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>Fi</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Av.Pg</source>
        <translation>Av.Pág</translation>
    </message>
    <message>
        <source>Retr</source>
        <translation>Retr</translation>
    </message>
    <message>
        <source> Imp.P</source>
        <translation> Impr.P</translation>
    </message>
    <message>
        <source>Bloc.Desp</source>
        <translation>Bloq.Num</translation>
    </message>
    <message>
        <source>Bloq.Desp</source>
        <translation>Bloq.Despl</translation>
    </message>
    <message>
        <source>Pausa</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Maj</source>
        <translation>Mayús</translation>
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
        <translation>Espera</translation>
    </message>
    <message>
        <source>Plafó...</source>
        <translation>Tablero...</translation>
    </message>
    <message>
        <source>Programa...</source>
        <translation>Programa...</translation>
    </message>
    <message>
        <source>Nivell 0</source>
        <translation>Nivel 0</translation>
    </message>
    <message>
        <source>Nivell -1</source>
        <translation>Nivel -1</translation>
    </message>
    <message>
        <source>Majúscules (la tecla següent)</source>
        <translation>Mayúsculas (la tecla siguiente)</translation>
    </message>
    <message>
        <source>Control (la tecla següent)</source>
        <translation>Control (la tecla siguiente)</translation>
    </message>
    <message>
        <source>Alt (la tecla següent)</source>
        <translation>Alt (la tecla siguiente)</translation>
    </message>
    <message>
        <source>Espera 1</source>
        <translation>Espera 1</translation>
    </message>
    <message>
        <source>Carrega un plafó</source>
        <translation>Carga un tablero</translation>
    </message>
    <message>
        <source>Executa un programa</source>
        <translation>Ejecuta un programa</translation>
    </message>
    <message>
        <source>Escriu</source>
        <translation>Escribe</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Canvi de plafó</source>
        <translation>Cambio de tablero</translation>
    </message>
    <message>
        <source>Fitxer Orv</source>
        <translation>Archivo Orv</translation>
    </message>
    <message>
        <source>Enganxar un dibuix</source>
        <translation>Pegar un dibujo</translation>
    </message>
    <message>
        <source>Fitxer Gràfic</source>
        <translation>Archivo gráfico</translation>
    </message>
    <message>
        <source>Enganxar un fitxer</source>
        <translation>Pegar un archivo</translation>
    </message>
    <message>
        <source>Fitxer text</source>
        <translation>Archivo de texto</translation>
    </message>
    <message>
        <source>Escoltar sons</source>
        <translation>Escuchar sonidos</translation>
    </message>
    <message>
        <source>Fitxer so</source>
        <translation>Archivo de sonido</translation>
    </message>
    <message>
        <source>Executar programes</source>
        <translation>Ejecutar programas</translation>
    </message>
    <message>
        <source>Fitxer exe</source>
        <translation>Archivo exe</translation>
    </message>
    <message>
        <source>Exploració nivell anterior</source>
        <translation>Barrido del nivel anterior</translation>
    </message>
    <message>
        <source>Exploració nivell inicial</source>
        <translation>Barrido del nivel inicial</translation>
    </message>
    <message>
        <source>Llegir un text</source>
        <translation>Leer un texto</translation>
    </message>
    <message>
        <source>Llegir un fitxer</source>
        <translation>Leer un archivo</translation>
    </message>
    <message>
        <source>Recupera Text CarpetaWindow</source>
        <translation>Recupera texto del portapapeles</translation>
    </message>
    <message>
        <source>Retard</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Si memoria es ...</source>
        <translation>Si la memoria es ...</translation>
    </message>
    <message>
        <source>Tancar tot</source>
        <translation>Cerrar todo</translation>
    </message>
    <message>
        <source>Tria </source>
        <translation>Elige al azar </translation>
    </message>
    <message>
        <source>Llista</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Memòria Esborra memòria </source>
        <translation>Memoria Borra memoria </translation>
    </message>
    <message>
        <source>Memòria Posa a memoria</source>
        <translation>Memoria Pon en memoria</translation>
    </message>
    <message>
        <source>Memòria Recupera de memòria</source>
        <translation>Memoria Recupera de memoria</translation>
    </message>
    <message>
        <source>Memòria Resta Memòria</source>
        <translation>Memoria Resta memoria</translation>
    </message>
    <message>
        <source>Memòria Suma memòria</source>
        <translation>Memoria Suma memoria</translation>
    </message>
    <message>
        <source>Mouse Aixecar botó dret</source>
        <translation>Ratón Soltar botón derecho</translation>
    </message>
    <message>
        <source>Mouse Aixecar botó esquerra</source>
        <translation>Ratón Soltar botón izquierdo</translation>
    </message>
    <message>
        <source>Mouse Avançar</source>
        <translation>Ratón Avanzar</translation>
    </message>
    <message>
        <source>Mouse Clic dret</source>
        <translation>Ratón Clic derecho</translation>
    </message>
    <message>
        <source>Mouse Clic esquerra</source>
        <translation>Ratón Clic izquierdo</translation>
    </message>
    <message>
        <source>Mouse Dloble clic dret</source>
        <translation>Ratón Doble clic derecho</translation>
    </message>
    <message>
        <source>Mouse Dloble clic esquerra</source>
        <translation>Ratón Doble clic izquierdo</translation>
    </message>
    <message>
        <source>Mouse Esquerra</source>
        <translation>Ratón Izquierda</translation>
    </message>
    <message>
        <source>Mouse Mou-te</source>
        <translation>Ratón Muévete</translation>
    </message>
    <message>
        <source>Cordenades</source>
        <translation>Coordenadas</translation>
    </message>
    <message>
        <source>Mouse Punxar i arrosegar dret</source>
        <translation>Ratón Pulsar y arrastrar derecho</translation>
    </message>
    <message>
        <source>Mouse Punxar i arrosegar esquerra</source>
        <translation>Ratón Pulsar y arrastrar izquierdo</translation>
    </message>
    <message>
        <source>Mouse Retrocedir</source>
        <translation>Ratón Retroceder</translation>
    </message>
    <message>
        <source>Ordres</source>
        <translation>Órdenes</translation>
    </message>
    <message>
        <source>Enganxar un text</source>
        <translation>Pegar un texto</translation>
    </message>
    <message>
        <source>Botó dret</source>
        <translation>Botón derecho</translation>
    </message>
    <message>
        <source>Clic dret</source>
        <translation>Clic derecho</translation>
    </message>
    <message>
        <source>Doble clic dret</source>
        <translation>Doble clic derecho</translation>
    </message>
    <message>
        <source>Punxar i arrosegar dret</source>
        <translation>Pulsar y arrastrar derecho</translation>
    </message>
    <message>
        <source>Aixecar botó dret</source>
        <translation>Soltar botón derecho</translation>
    </message>
    <message>
        <source>Botó esquerra</source>
        <translation>Botón izquierdo</translation>
    </message>
    <message>
        <source>Clic esquerra</source>
        <translation>Clic izquierdo</translation>
    </message>
    <message>
        <source>Doble clic esquerra</source>
        <translation>Doble clic izquierdo</translation>
    </message>
    <message>
        <source>Punxar i arrosegar esquerra</source>
        <translation>Pulsar y arrastrar izquierdo</translation>
    </message>
    <message>
        <source>Aixecar botó esquerra</source>
        <translation>Soltar botón izquierdo</translation>
    </message>
    <message>
        <source>Ratolí</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Avançar</source>
        <translation>Avanzar</translation>
    </message>
    <message>
        <source>Retrocedir</source>
        <translation>Retroceder</translation>
    </message>
    <message>
        <source>Dreta</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Esquerra</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Mou-te</source>
        <translation>Muévete</translation>
    </message>
    <message>
        <source>Memoria</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Posa a memoria</source>
        <translation>Pon en memoria</translation>
    </message>
    <message>
        <source>Recupera de memòria</source>
        <translation>Recupera de memoria</translation>
    </message>
    <message>
        <source>Esborra memòria</source>
        <translation>Borra memoria</translation>
    </message>
    <message>
        <source>Suma memòria</source>
        <translation>Suma memoria</translation>
    </message>
    <message>
        <source>Resta Memòria</source>
        <translation>Resta memoria</translation>
    </message>
    <message>
        <source>Recupera Text Carpeta  Window</source>
        <translation>Recupera texto del portapapeles</translation>
    </message>
    <message>
        <source>Fitxers</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Fitxers executable(*.EXE)|*.EXE|Tots els fixters (*.*)|*.*</source>
        <translation>Archivos ejecutables (*.EXE)|*.EXE|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>Fitxers de so</source>
        <translation>Archivos de sonido</translation>
    </message>
    <message>
        <source>Fitxers de so(*.WAV)|*.WAV|Fitxers de música(*.MID)|*.MID</source>
        <translation>Archivos de sonido (*.WAV)|*.WAV|Archivos de música (*.MID)|*.MID</translation>
    </message>
    <message>
        <source>Fitxer de plantilla</source>
        <translation>Archivo de plantilla</translation>
    </message>
    <message>
        <source>Teclat Pantalla Windows (*.ORV)|*.ORV</source>
        <translation>Teclado en pantalla (*.ORV)|*.ORV</translation>
    </message>
    <message>
        <source>Fitxers de text per a enganxar</source>
        <translation>Archivos de texto para pegar</translation>
    </message>
    <message>
        <source>Fitxers de text (*.TXT)|*.TXT|Fitxers gràfics (*.BMP)|*.BMP|Fitxers gràfics (*.WMF)|*.WMF|Fitxers gràfics (*.GIF)|*.GIF|Fitxers gràfics (*.JPG)|*.JPG</source>
        <translation>Archivos de texto (*.TXT)|*.TXT|Archivos gráficos (*.BMP)|*.BMP|Archivos gráficos (*.WMF)|*.WMF|Archivos gráficos (*.GIF)|*.GIF|Archivos gráficos (*.JPG)|*.JPG</translation>
    </message>
    <message>
        <source>En engegar els programes del plafó: </source>
        <translation>Al iniciar los programas del tablero: </translation>
    </message>
    <message>
        <source>No s&apos;ha desat el valor %1 al registre: %2.</source>
        <translation>No se ha guardado el valor %1 en el registro: %2.</translation>
    </message>
    <message>
        <source>%1 no és el nom de cap tecla</source>
        <translation>%1 no es el nombre de ninguna tecla</translation>
    </message>
    <message>
        <source>un nom</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>hi ha una clau { sense tancar o una } de més</source>
        <translation>hay una llave { sin cerrar o una } de más</translation>
    </message>
    <message>
        <source>hi ha un parèntesi sense parella</source>
        <translation>hay un paréntesis sin pareja</translation>
    </message>
    <message>
        <source>el nombre de repeticions de %1 no és un nombre de 0 a %2</source>
        <translation>el número de repeticiones de %1 no es un número de 0 a %2</translation>
    </message>
    <message>
        <source>una tecla</source>
        <translation>una tecla</translation>
    </message>
    <message>
        <source>un modificador (+ ^ %) no té cap tecla al darrere</source>
        <translation>un modificador (+ ^ %) no tiene ninguna tecla detrás</translation>
    </message>
    <message>
        <source>són més de %1 tecles seguides</source>
        <translation>son más de %1 teclas seguidas</translation>
    </message>
    <message>
        <source>no hi ha pantalla X o no té l&apos;extensió XTest</source>
        <translation>no hay pantalla X o no tiene la extensión XTest</translation>
    </message>
    <message>
        <source>un caràcter no és a cap tecla del teclat i no queda cap tecla lliure per fer-lo servir</source>
        <translation>un carácter no está en ninguna tecla del teclado y no queda ninguna tecla libre para usarlo</translation>
    </message>
    <message>
        <source>la finestra no havia llegit a temps les tecles anteriors i la resta no s&apos;ha escrit</source>
        <translation>la ventana no había leído a tiempo las teclas anteriores y el resto no se ha escrito</translation>
    </message>
    <message>
        <source>no s&apos;ha pogut activar la finestra que rep les tecles</source>
        <translation>no se ha podido activar la ventana que recibe las teclas</translation>
    </message>
    <message>
        <source>error desconegut</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>l&apos;àrea %1</source>
        <translation>el área %1</translation>
    </message>
    <message>
        <source>les tecles inicials del plafó</source>
        <translation>las teclas iniciales del tablero</translation>
    </message>
    <message>
        <source>Error %1 en enviar les tecles «%2» de %3: %4.</source>
        <translation>Error %1 al enviar las teclas «%2» de %3: %4.</translation>
    </message>
    <message>
        <source>No es pot activar el fitxer de documentació</source>
        <translation>No se puede abrir el archivo de documentación</translation>
    </message>
    <message>
        <source>No es pot activar el fitxer de l&apos;imatge</source>
        <translation>No se puede abrir el archivo de la imagen</translation>
    </message>
    <message>
        <source>Format incorrecte</source>
        <translation>Formato incorrecto</translation>
    </message>
    <message>
        <source>Error en llegir el fitxer </source>
        <translation>Error al leer el archivo </translation>
    </message>
    <message>
        <source>Orvel ja s&apos;està executant!</source>
        <translation>¡Orvel ya se está ejecutando!</translation>
    </message>
    <message>
        <source>El fitxer ha estat modificat. Voleu enregistrar-lo?</source>
        <translation>El archivo ha sido modificado. ¿Desea guardarlo?</translation>
    </message>
    <message>
        <source>    Orvel v 2.03 <byte value="xd"/><byte value="xd"/>Equip d&apos;Orvel<byte value="xd"/>orvel@localhost<byte value="xd"/><byte value="xd"/>    novembre de 2002</source>
        <translation>    Orvel v 2.03 <byte value="xd"/><byte value="xd"/>Equipo de Orvel<byte value="xd"/>orvel@localhost<byte value="xd"/><byte value="xd"/>    noviembre de 2002</translation>
    </message>
    <message>
        <source>Quant a Orvel</source>
        <translation>Acerca de Orvel</translation>
    </message>
    <message>
        <source>&gt;&gt;&gt; tria un programa</source>
        <translation>&gt;&gt;&gt; elige un programa</translation>
    </message>
    <message>
        <source>&gt;&gt;&gt; ALTRES</source>
        <translation>&gt;&gt;&gt; OTROS</translation>
    </message>
    <message>
        <source>&gt;&gt;&gt; Tria una macro</source>
        <translation>&gt;&gt;&gt; Elige una macro</translation>
    </message>
    <message>
        <source>Teniu instal·lada una versió de Orvel anterior que no reconeix aquets format de fitxer</source>
        <translation>Tiene instalada una versión anterior de Orvel que no reconoce este formato de archivo</translation>
    </message>
    <message>
        <source>Orvel no troba el fitxer </source>
        <translation>Orvel no encuentra el archivo </translation>
    </message>
    <message>
        <source>AVANÇAR</source>
        <translation>AVANZAR</translation>
    </message>
    <message>
        <source>RECULAR</source>
        <translation>RETROCEDER</translation>
    </message>
    <message>
        <source>DRETA</source>
        <translation>DERECHA</translation>
    </message>
    <message>
        <source>ESQUERRA</source>
        <translation>IZQUIERDA</translation>
    </message>
    <message>
        <source>ACCEPTAR</source>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>Alguns caràcters de les llistes de tecles no caben en el fitxer i s&apos;hi han escrit com a &quot;?&quot;: </source>
        <translation>Algunos caracteres de las listas de teclas no caben en el archivo y se han escrito como &quot;?&quot;: </translation>
    </message>
    <message>
        <source>Alguns caràcters no es poden desar amb el joc de caràcters del fitxer i s&apos;han desat com a &quot;?&quot;: </source>
        <translation>Algunos caracteres no se pueden guardar con el juego de caracteres del archivo y se han guardado como &quot;?&quot;: </translation>
    </message>
    <message>
        <source>No hi ha cap programa per iniciar</source>
        <translation>No hay ningún programa que iniciar</translation>
    </message>
    <message>
        <source>No s&apos;ha trobat el programa %1</source>
        <translation>No se ha encontrado el programa %1</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut iniciar el programa %1</source>
        <translation>No se ha podido iniciar el programa %1</translation>
    </message>
    <message>
        <source>un altre programa té el registre ocupat</source>
        <translation>otro programa tiene el registro ocupado</translation>
    </message>
    <message>
        <source>el registre és només de lectura</source>
        <translation>el registro es de solo lectura</translation>
    </message>
    <message>
        <source>el disc és ple</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>El registre d&apos;Orvel no es podia llegir (%1).<byte value="xd"/>S&apos;ha apartat a %2 i se&apos;n comença un de buit.</source>
        <translation>No se podía leer el registro de Orvel (%1).<byte value="xd"/>Se ha apartado en %2 y se empieza uno vacío.</translation>
    </message>
    <message>
        <source>No es pot obrir el registre d&apos;Orvel %1 (%2).<byte value="xd"/>Els valors d&apos;aquesta sessió no es desaran.</source>
        <translation>No se puede abrir el registro de Orvel %1 (%2).<byte value="xd"/>Los valores de esta sesión no se guardarán.</translation>
    </message>
    <message>
        <source>Cursor &amp;Ratolí</source>
        <translation>Cursor del &amp;ratón</translation>
    </message>
    <message>
        <source>Escaneig &amp;Manual</source>
        <translation>Barrido &amp;manual</translation>
    </message>
    <message>
        <source>Escaneig &amp;Automàtic</source>
        <translation>Barrido &amp;automático</translation>
    </message>
    <message>
        <source>Cursors &amp;Teclat</source>
        <translation>Cursores del &amp;teclado</translation>
    </message>
    <message>
        <source>&amp;Joystic</source>
        <translation>&amp;Joystick</translation>
    </message>
    <message>
        <source>&amp;Veu</source>
        <translation>&amp;Voz</translation>
    </message>
    <message>
        <source>Configuració pulsador 1</source>
        <translation>Configuración del pulsador 1</translation>
    </message>
    <message>
        <source>Configuració pulsador 2</source>
        <translation>Configuración del pulsador 2</translation>
    </message>
    <message>
        <source>Configuració pulsador</source>
        <translation>Configuración del pulsador</translation>
    </message>
    <message>
        <source>no és un fitxer d&apos;imatge que es pugui llegir</source>
        <translation>no es un archivo de imagen que se pueda leer</translation>
    </message>
    <message>
        <source>No s&apos;ha trobat cap micròfon: </source>
        <translation>No se ha encontrado ningún micrófono: </translation>
    </message>
    <message>
        <source>No s&apos;han pogut llegir les paraules entrenades de </source>
        <translation>No se han podido leer las palabras entrenadas de </translation>
    </message>
    <message>
        <source>No s&apos;han pogut desar les paraules a </source>
        <translation>No se han podido guardar las palabras en </translation>
    </message>
    <message>
        <source>S&apos;ha perdut el micròfon: el control per veu s&apos;ha aturat.</source>
        <translation>Se ha perdido el micrófono: el control por voz se ha detenido.</translation>
    </message>
    <message>
        <source>el fitxer és massa gran</source>
        <translation>el archivo es demasiado grande</translation>
    </message>
    <message>
        <source>el fitxer és incomplet</source>
        <translation>el archivo está incompleto</translation>
    </message>
    <message>
        <source>el fitxer és incomplet o malmès</source>
        <translation>el archivo está incompleto o dañado</translation>
    </message>
    <message>
        <source>no és un fitxer de paraules</source>
        <translation>no es un archivo de palabras</translation>
    </message>
    <message>
        <source>és d&apos;una altra versió</source>
        <translation>es de otra versión</translation>
    </message>
    <message>
        <source>té massa paraules</source>
        <translation>tiene demasiadas palabras</translation>
    </message>
    <message>
        <source>el fitxer és malmès</source>
        <translation>el archivo está dañado</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut iniciar la Dll de reconeixement de sons</source>
        <translation>No se ha podido iniciar el reconocimiento de voz</translation>
    </message>
    <message>
        <source>Fitxer gràfic</source>
        <translation>Archivo gráfico</translation>
    </message>
    <message>
        <source>+ Codi</source>
        <translation>+ Código</translation>
    </message>
    <message>
        <source>- Codi</source>
        <translation>- Código</translation>
    </message>
    <message>
        <source>^ Codi</source>
        <translation>^ Código</translation>
    </message>
    <message>
        <source>Acceptar</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Assistent tecles</source>
        <translation>Asistente de teclas</translation>
    </message>
    <message>
        <source>Símbol visual</source>
        <translation>Símbolo visual</translation>
    </message>
    <message>
        <source>Imatges (*.bmp *.BMP *.png *.PNG *.jpg *.JPG *.jpeg *.gif *.GIF *.pcx *.PCX *.ico *.svg)</source>
        <translation>Imágenes (*.bmp *.BMP *.png *.PNG *.jpg *.JPG *.jpeg *.gif *.GIF *.pcx *.PCX *.ico *.svg)</translation>
    </message>
    <message>
        <source>Carregar Fitxers de so</source>
        <translation>Cargar archivos de sonido</translation>
    </message>
    <message>
        <source>Fitxers so (*.WAV *.wav)</source>
        <translation>Archivos de sonido (*.WAV *.wav)</translation>
    </message>
    <message>
        <source>D&apos;Acord</source>
        <translation>De acuerdo</translation>
    </message>
    <message>
        <source>Desar les paraules entrenades</source>
        <translation>Guardar las palabras entrenadas</translation>
    </message>
    <message>
        <source>Paraules (*.VEU *.veu)</source>
        <translation>Palabras (*.VEU *.veu)</translation>
    </message>
    <message>
        <source>l&apos;ordre «%1» només la fa Orvel</source>
        <translation>la orden «%1» solo la entiende Orvel</translation>
    </message>
    <message>
        <source>el so «%1» no es pot llegir</source>
        <translation>el sonido «%1» no se puede leer</translation>
    </message>
    <message>
        <source>la graella nomena el botó «%1», que no hi és</source>
        <translation>la cuadrícula nombra el botón «%1», que no existe</translation>
    </message>
    <message>
        <source>el botó «%1»: l&apos;acció «%2» no té equivalent a Orvel</source>
        <translation>el botón «%1»: la acción «%2» no tiene equivalente en Orvel</translation>
    </message>
    <message>
        <source>el botó «%1» enllaça amb un plafó que no és al conjunt (%2)</source>
        <translation>el botón «%1» enlaza con un tablero que no está en el conjunto (%2)</translation>
    </message>
    <message>
        <source>el botó «%1» torna a carregar el mateix plafó</source>
        <translation>el botón «%1» vuelve a cargar el mismo tablero</translation>
    </message>
    <message>
        <source>el botó amagat «%1» no s&apos;ha importat</source>
        <translation>el botón oculto «%1» no se ha importado</translation>
    </message>
    <message>
        <source>no s&apos;ha pogut llegir el plafó «%1»</source>
        <translation>no se ha podido leer el tablero «%1»</translation>
    </message>
    <message>
        <source>no s&apos;ha exportat: no s&apos;ha pogut llegir</source>
        <translation>no se ha exportado: no se ha podido leer</translation>
    </message>
    <message>
        <source>no s&apos;ha pogut escriure «%1»: %2</source>
        <translation>no se ha podido escribir «%1»: %2</translation>
    </message>
    <message>
        <source>no s&apos;ha importat: %1</source>
        <translation>no se ha importado: %1</translation>
    </message>
    <message>
        <source>conjunt</source>
        <translation>conjunto</translation>
    </message>
    <message>
        <source>només s&apos;han importat els primers %1 plafons</source>
        <translation>solo se han importado los primeros %1 tableros</translation>
    </message>
    <message>
        <source>no s&apos;ha escrit «%1»: és un enllaç simbòlic</source>
        <translation>no se ha escrito «%1»: es un enlace simbólico</translation>
    </message>
    <message>
        <source>l&apos;adreça «data:» no és vàlida</source>
        <translation>la dirección «data:» no es válida</translation>
    </message>
    <message>
        <source>només és a la xarxa (%1)</source>
        <translation>solo está en la red (%1)</translation>
    </message>
    <message>
        <source>no té contingut</source>
        <translation>no tiene contenido</translation>
    </message>
    <message>
        <source>%1 «%2»: %3</source>
        <translation>%1 «%2»: %3</translation>
    </message>
    <message>
        <source>la imatge «%1» no és al plafó</source>
        <translation>la imagen «%1» no está en el tablero</translation>
    </message>
    <message>
        <source>la imatge</source>
        <translation>la imagen</translation>
    </message>
    <message>
        <source>la imatge «%1»: %2</source>
        <translation>la imagen «%1»: %2</translation>
    </message>
    <message>
        <source>el so «%1» no és al plafó</source>
        <translation>el sonido «%1» no está en el tablero</translation>
    </message>
    <message>
        <source>el so</source>
        <translation>el sonido</translation>
    </message>
    <message>
        <source>el so «%1» (%2): %3</source>
        <translation>el sonido «%1» (%2): %3</translation>
    </message>
    <message>
        <source>la caràtula no s&apos;ha pogut escriure: %1</source>
        <translation>la carátula no se ha podido escribir: %1</translation>
    </message>
    <message>
        <source>%1 caràcters no caben en el joc de caràcters dels plafons i s&apos;han escrit «?»</source>
        <translation>%1 caracteres no caben en el juego de caracteres de los tableros y se han escrito «?»</translation>
    </message>
    <message>
        <source>no es pot crear la carpeta «%1»</source>
        <translation>no se puede crear la carpeta «%1»</translation>
    </message>
    <message>
        <source>el conjunt no té cap plafó que es pugui importar</source>
        <translation>el conjunto no tiene ningún tablero que se pueda importar</translation>
    </message>
    <message>
        <source>Importat de %1: %2 plafons.</source>
        <translation>Importado de %1: %2 tableros.</translation>
    </message>
    <message>
        <source>el JSON no és vàlid (%1, posició %2)</source>
        <translation>el JSON no es válido (%1, posición %2)</translation>
    </message>
    <message>
        <source>el JSON no és un objecte</source>
        <translation>el JSON no es un objeto</translation>
    </message>
    <message>
        <source>format desconegut «%1»</source>
        <translation>formato desconocido «%1»</translation>
    </message>
    <message>
        <source>té més de %1 botons</source>
        <translation>tiene más de %1 botones</translation>
    </message>
    <message>
        <source>la graella de %1 × %2 no és vàlida</source>
        <translation>la cuadrícula de %1 × %2 no es válida</translation>
    </message>
    <message>
        <source>l&apos;àrea %1 ha perdut el símbol visual «%2»</source>
        <translation>el área %1 ha perdido el símbolo visual «%2»</translation>
    </message>
    <message>
        <source>l&apos;àrea %1 ha perdut el símbol auditiu «%2»</source>
        <translation>el área %1 ha perdido el símbolo auditivo «%2»</translation>
    </message>
    <message>
        <source>la imatge és massa gran (%1 × %2)</source>
        <translation>la imagen es demasiado grande (%1 × %2)</translation>
    </message>
    <message>
        <source>la imatge no es pot llegir (%1)</source>
        <translation>la imagen no se puede leer (%1)</translation>
    </message>
    <message>
        <source>el camí «%1» surt de la carpeta del plafó</source>
        <translation>la ruta «%1» sale de la carpeta del tablero</translation>
    </message>
    <message>
        <source>«%1» no és un fitxer de la carpeta del plafó</source>
        <translation>«%1» no es un archivo de la carpeta del tablero</translation>
    </message>
    <message>
        <source>«%1» és massa gran</source>
        <translation>«%1» es demasiado grande</translation>
    </message>
    <message>
        <source>«%1» no existeix</source>
        <translation>«%1» no existe</translation>
    </message>
    <message>
        <source>«%1» no es pot llegir</source>
        <translation>«%1» no se puede leer</translation>
    </message>
    <message>
        <source>no es pot llegir el fitxer «%1»</source>
        <translation>no se puede leer el archivo «%1»</translation>
    </message>
    <message>
        <source>el so no es pot convertir (%1)</source>
        <translation>el sonido no se puede convertir (%1)</translation>
    </message>
    <message>
        <source>el so no es pot convertir (format de sortida inesperat)</source>
        <translation>el sonido no se puede convertir (formato de salida inesperado)</translation>
    </message>
    <message>
        <source>el so és massa llarg</source>
        <translation>el sonido es demasiado largo</translation>
    </message>
    <message>
        <source>no és un arxiu zip que es pugui llegir (%1)</source>
        <translation>no es un archivo zip que se pueda leer (%1)</translation>
    </message>
    <message>
        <source>l&apos;arxiu té més de %1 fitxers</source>
        <translation>el archivo comprimido tiene más de %1 archivos</translation>
    </message>
    <message>
        <source>el camí «%1» surt del conjunt</source>
        <translation>la ruta «%1» sale del conjunto</translation>
    </message>
    <message>
        <source>«%1» no és a l&apos;arxiu</source>
        <translation>«%1» no está en el archivo comprimido</translation>
    </message>
    <message>
        <source>«%1» és un enllaç simbòlic</source>
        <translation>«%1» es un enlace simbólico</translation>
    </message>
    <message>
        <source>«%1» és massa gran (%2 MB)</source>
        <translation>«%1» es demasiado grande (%2 MB)</translation>
    </message>
    <message>
        <source>el conjunt és massa gran un cop descomprimit</source>
        <translation>el conjunto es demasiado grande una vez descomprimido</translation>
    </message>
    <message>
        <source>«%1» és massa gran un cop descomprimit</source>
        <translation>«%1» es demasiado grande una vez descomprimido</translation>
    </message>
    <message>
        <source>«%1» està malmès</source>
        <translation>«%1» está dañado</translation>
    </message>
    <message>
        <source>No es pot llegir el perfil d&apos;usuari: %1</source>
        <translation>No se puede leer el perfil de usuario: %1</translation>
    </message>
    <message>
        <source>No és un perfil d&apos;usuari (no té la secció [Orvel]): %1</source>
        <translation>No es un perfil de usuario (no tiene la sección [Orvel]): %1</translation>
    </message>
    <message>
        <source>No es pot dibuixar el símbol %1.</source>
        <translation>No se puede dibujar el símbolo %1.</translation>
    </message>
    <message>
        <source>No es pot escriure %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>No es pot escriure %1.bmp: hi ha massa fitxers amb aquest nom.</source>
        <translation>No se puede escribir %1.bmp: hay demasiados archivos con este nombre.</translation>
    </message>
    <message>
        <source>Símbols d&apos;OpenMoji (openmoji.org), llicència CC BY-SA 4.0. Paraules de cerca del CLDR d&apos;Unicode.</source>
        <translation>Símbolos de OpenMoji (openmoji.org), licencia CC BY-SA 4.0. Palabras de búsqueda del CLDR de Unicode.</translation>
    </message>
    <message>
        <source>No s&apos;ha trobat la biblioteca de símbols (%1).</source>
        <translation>No se ha encontrado la biblioteca de símbolos (%1).</translation>
    </message>
    <message>
        <source>No es pot llegir l&apos;índex de símbols %1.</source>
        <translation>No se puede leer el índice de símbolos %1.</translation>
    </message>
    <message>
        <source>L&apos;índex de símbols %1 no té cap símbol.</source>
        <translation>El índice de símbolos %1 no tiene ningún símbolo.</translation>
    </message>
    <message>
        <source>Torneu a instal·lar-la amb scripts/install-deps.</source>
        <translation>Vuelva a instalarla con scripts/install-deps.</translation>
    </message>
    <message>
        <source>Aquesta és una sessió Wayland: Orvel només pot escriure i moure el ratolí en els programes X11 (els que funcionen amb XWayland). Els programes propis de Wayland no reben res d&apos;Orvel: per fer-los servir, entreu en una sessió X11 (per exemple «GNOME sobre Xorg» a la pantalla d&apos;entrada).</source>
        <translation>Esta es una sesión Wayland: Orvel solo puede escribir y mover el ratón en los programas X11 (los que funcionan con XWayland). Los programas propios de Wayland no reciben nada de Orvel: para usarlos, entre en una sesión X11 (por ejemplo «GNOME sobre Xorg» en la pantalla de inicio de sesión).</translation>
    </message>
    <message>
        <source>Orvel no pot funcionar en aquesta sessió: és una sessió Wayland sense X11 (XWayland), i Orvel mostra els plafons i escriu només a través d&apos;X11. Entreu en una sessió X11 (per exemple «GNOME sobre Xorg» a la pantalla d&apos;entrada) o activeu XWayland: llavors Orvel escriurà en els programes X11.</source>
        <translation>Orvel no puede funcionar en esta sesión: es una sesión Wayland sin X11 (XWayland), y Orvel muestra los tableros y escribe solo a través de X11. Entre en una sesión X11 (por ejemplo «GNOME sobre Xorg» en la pantalla de inicio de sesión) o active XWayland: entonces Orvel escribirá en los programas X11.</translation>
    </message>
    <message>
        <source>No hi ha cap pantalla X11 (la variable DISPLAY és buida): Orvel mostra els plafons i escriu a través d&apos;X11.</source>
        <translation>No hay ninguna pantalla X11 (la variable DISPLAY está vacía): Orvel muestra los tableros y escribe a través de X11.</translation>
    </message>
    <message>
        <source>Sí&amp;mbols...</source>
        <translation>Símbo&amp;los...</translation>
    </message>
    <message>
        <source>Símbols</source>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>Deseu el plafó abans de posar-hi símbols: el símbol es desa a la carpeta del plafó.</source>
        <translation>Guarde el tablero antes de ponerle símbolos: el símbolo se guarda en la carpeta del tablero.</translation>
    </message>
</context>
<context>
    <name>orvel::AreaPanel</name>
    <message>
        <source>0/0 àrees</source>
        <translation>0/0 áreas</translation>
    </message>
    <message>
        <source>&amp;Afegir àrea</source>
        <translation>Añadir á&amp;rea</translation>
    </message>
    <message>
        <source>&amp;Eliminar àrea</source>
        <translation>Eli&amp;minar área</translation>
    </message>
    <message>
        <source>Tecles:</source>
        <translation>Teclas:</translation>
    </message>
    <message>
        <source>Símbol visual</source>
        <translation>Símbolo visual</translation>
    </message>
    <message>
        <source>Fitxer...</source>
        <translation>Archivo...</translation>
    </message>
    <message>
        <source>Veure</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Símbol auditiu</source>
        <translation>Símbolo auditivo</translation>
    </message>
    <message>
        <source>Escoltar</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Carregar fitxer a la carpeta:</source>
        <translation>Cargar archivo en el portapapeles:</translation>
    </message>
    <message>
        <source>Gràfic</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Repetició de lectures</source>
        <translation>Repetición de lecturas</translation>
    </message>
    <message>
        <source>%1/%2 àrees</source>
        <translation>%1/%2 áreas</translation>
    </message>
    <message>
        <source>----- àrees</source>
        <translation>----- áreas</translation>
    </message>
    <message>
        <source>Sí&amp;mbols...</source>
        <translation>Símbo&amp;los...</translation>
    </message>
</context>
<context>
    <name>orvel::AuxKeyboard</name>
    <message>
        <source>&amp;Teclat auxiliar</source>
        <translation>&amp;Teclado auxiliar</translation>
    </message>
</context>
<context>
    <name>orvel::CoverMenu</name>
    <message>
        <source>&amp;Caràtula</source>
        <translation>&amp;Carátula</translation>
    </message>
    <message>
        <source>&amp;Nova</source>
        <translation>&amp;Nueva</translation>
    </message>
    <message>
        <source>&amp;Editar</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Enregistrar Caràtula</source>
        <translation>Guardar carátula</translation>
    </message>
    <message>
        <source>Làmines de tauleta  (*.BMP *.bmp)</source>
        <translation>Mapas de bits  (*.BMP *.bmp)</translation>
    </message>
</context>
<context>
    <name>orvel::Dades</name>
    <message>
        <source>Nombre</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Fitxer...</source>
        <translation>Archivo...</translation>
    </message>
    <message>
        <source>Codis</source>
        <translation>Códigos</translation>
    </message>
    <message>
        <source>teclat virtual</source>
        <translation>teclado virtual</translation>
    </message>
    <message>
        <source>Acceptar</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>orvel::EditorAids</name>
    <message>
        <source>Tec. Aux.</source>
        <translation>Tec. Aux.</translation>
    </message>
    <message>
        <source>Assistent tecles</source>
        <translation>Asistente de teclas</translation>
    </message>
</context>
<context>
    <name>orvel::EditorFace</name>
    <message>
        <source>So actiu</source>
        <translation>Sonido activo</translation>
    </message>
    <message>
        <source>Arees</source>
        <translation>Áreas</translation>
    </message>
    <message>
        <source>&amp;Subdividir àrea</source>
        <translation>&amp;Subdividir área</translation>
    </message>
    <message>
        <source>&amp;Eliminar àrea</source>
        <translation>Eli&amp;minar área</translation>
    </message>
    <message>
        <source>&amp;Afegir àrea</source>
        <translation>Añadir á&amp;rea</translation>
    </message>
    <message>
        <source>Redimensionar àrees</source>
        <translation>Redimensionar áreas</translation>
    </message>
    <message>
        <source>Ajustar àrees</source>
        <translation>Ajustar áreas</translation>
    </message>
    <message>
        <source>&amp;Veure</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Caràtula</source>
        <translation>&amp;Carátula</translation>
    </message>
    <message>
        <source>&amp;Edició</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Enganxar</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Desfer</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>&amp;Ajuda</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Índex de l&apos;ajuda</source>
        <translation>Í&amp;ndice de la ayuda</translation>
    </message>
    <message>
        <source>Ajuda...</source>
        <translation>Ayuda...</translation>
    </message>
    <message>
        <source>&amp;Quant al Orvel...</source>
        <translation>&amp;Acerca de Orvel...</translation>
    </message>
    <message>
        <source>Cost d&apos;&amp;escaneig</source>
        <translation>Coste del &amp;barrido</translation>
    </message>
</context>
<context>
    <name>orvel::ExchangeCommands</name>
    <message>
        <source>Importar...</source>
        <translation>Importar...</translation>
    </message>
    <message>
        <source>Exportar...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Importar un conjunt de plafons</source>
        <translation>Importar un conjunto de tableros</translation>
    </message>
    <message>
        <source>Open Board Format (*.obz *.obf *.OBZ *.OBF)</source>
        <translation>Open Board Format (*.obz *.obf *.OBZ *.OBF)</translation>
    </message>
    <message>
        <source>Carpeta dels plafons importats</source>
        <translation>Carpeta de los tableros importados</translation>
    </message>
    <message>
        <source>No s&apos;ha importat cap plafó: %1</source>
        <translation>No se ha importado ningún tablero: %1</translation>
    </message>
    <message>
        <source>S&apos;han importat %1 plafons a %2.</source>
        <translation>Se han importado %1 tableros en %2.</translation>
    </message>
    <message>
        <source>Exportar el plafó</source>
        <translation>Exportar el tablero</translation>
    </message>
    <message>
        <source>Open Board Format (*.obz)</source>
        <translation>Open Board Format (*.obz)</translation>
    </message>
    <message>
        <source>S&apos;han exportat %1 plafons a %2.</source>
        <translation>Se han exportado %1 tableros en %2.</translation>
    </message>
</context>
<context>
    <name>orvel::Fill</name>
    <message>
        <source>El text es conserva sencer en una fila.</source>
        <translation>El texto se conserva entero en una fila.</translation>
    </message>
</context>
<context>
    <name>orvel::FrameColorBox</name>
    <message>
        <source>Color del marc</source>
        <translation>Color del marco</translation>
    </message>
</context>
<context>
    <name>orvel::LanguageMenu</name>
    <message>
        <source>&amp;Idioma</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Segons l&apos;escriptori</source>
        <translation>Según el escritorio</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut desar l&apos;idioma a Orvel.INI.</source>
        <translation>No se ha podido guardar el idioma en Orvel.INI.</translation>
    </message>
    <message>
        <source>L&apos;idioma nou es farà servir la propera vegada que engegueu Orvel.</source>
        <translation>El nuevo idioma se usará la próxima vez que inicie Orvel.</translation>
    </message>
</context>
<context>
    <name>orvel::MacrosMenu</name>
    <message>
        <source>Seleccionar</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Carregar macros</source>
        <translation>Cargar macros</translation>
    </message>
</context>
<context>
    <name>orvel::MainWindow</name>
    <message>
        <source>&amp;Fitxers</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Nou</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Obrir ...</source>
        <translation>&amp;Abrir ...</translation>
    </message>
    <message>
        <source>&amp;Desar ...</source>
        <translation>&amp;Guardar ...</translation>
    </message>
    <message>
        <source>&amp;Activar</source>
        <translation>A&amp;ctivar</translation>
    </message>
    <message>
        <source>&amp;Sortir</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Dades globals</source>
        <translation>&amp;Datos globales</translation>
    </message>
    <message>
        <source>&amp;So actiu</source>
        <translation>&amp;Sonido activo</translation>
    </message>
    <message>
        <source>Usuari</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Usuari &amp;Nou</source>
        <translation>&amp;Nuevo usuario</translation>
    </message>
    <message>
        <source>Carregar &amp;Usuari</source>
        <translation>&amp;Cargar usuario</translation>
    </message>
    <message>
        <source>Desar u&amp;suari</source>
        <translation>&amp;Guardar usuario</translation>
    </message>
    <message>
        <source>&amp;Accessibilitat</source>
        <translation>Accesi&amp;bilidad</translation>
    </message>
    <message>
        <source>&amp;Canvi de plafó</source>
        <translation>&amp;Cambiar de tablero</translation>
    </message>
    <message>
        <source>Carregar el fitxer de plantilla</source>
        <translation>Cargar el archivo de plantilla</translation>
    </message>
    <message>
        <source>Teclat Pantalla Windows (*.ORV *.orv)</source>
        <translation>Teclado en pantalla (*.ORV *.orv)</translation>
    </message>
    <message>
        <source>Enregistrar el fitxer de plantilla</source>
        <translation>Guardar el archivo de plantilla</translation>
    </message>
    <message>
        <source>Teclat pantalla Windows (*.ORV *.orv)</source>
        <translation>Teclado en pantalla (*.ORV *.orv)</translation>
    </message>
    <message>
        <source>Carregar el fitxer de l&apos;usuari</source>
        <translation>Cargar el archivo del usuario</translation>
    </message>
    <message>
        <source>Usuari ORV (*.USR *.usr)</source>
        <translation>Usuario ORV (*.USR *.usr)</translation>
    </message>
    <message>
        <source>Enregistrar el fitxer de l&apos;usuari</source>
        <translation>Guardar el archivo del usuario</translation>
    </message>
</context>
<context>
    <name>orvel::PlantForm</name>
    <message>
        <source>Dades globals</source>
        <translation>Datos globales</translation>
    </message>
    <message>
        <source>Caràtula:</source>
        <translation>Carátula:</translation>
    </message>
    <message>
        <source>Fitxer...</source>
        <translation>Archivo...</translation>
    </message>
    <message>
        <source>Veure la Caràtula</source>
        <translation>Ver la carátula</translation>
    </message>
    <message>
        <source>Automàtica</source>
        <translation>Automática</translation>
    </message>
    <message>
        <source>Documentació:</source>
        <translation>Documentación:</translation>
    </message>
    <message>
        <source>Veure la documentació</source>
        <translation>Ver la documentación</translation>
    </message>
    <message>
        <source>Descripció:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Directori</source>
        <translation>Directorio</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Acceptar</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Abandonar</source>
        <translation>Abandonar</translation>
    </message>
    <message>
        <source>INICIALITZACIÓ</source>
        <translation>INICIALIZACIÓN</translation>
    </message>
    <message>
        <source>Programa</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Tecles a enviar:</source>
        <translation>Teclas a enviar:</translation>
    </message>
    <message>
        <source>Tec Aux</source>
        <translation>Tec. Aux.</translation>
    </message>
    <message>
        <source>Carregar fitxer a la carpeta:</source>
        <translation>Cargar archivo en el portapapeles:</translation>
    </message>
    <message>
        <source>Gràfic</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Aplicació:</source>
        <translation>Aplicación:</translation>
    </message>
    <message>
        <source>Síntesis de veu UPCTV</source>
        <translation>Síntesis de voz UPCTV</translation>
    </message>
    <message>
        <source>Catala</source>
        <translation>Catalán</translation>
    </message>
    <message>
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Hombre</translation>
    </message>
    <message>
        <source>Dona</source>
        <translation>Mujer</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Veu</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Velocitat</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>D&apos;Acord</source>
        <translation>De acuerdo</translation>
    </message>
    <message>
        <source>Anul·lació</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Documentació de la plantilla</source>
        <translation>Documentación de la plantilla</translation>
    </message>
    <message>
        <source>Fitxers del Write (*.wri)|*.wri|Fitxers de text (*.txt)|*.txt</source>
        <translation>Archivos de Write (*.wri)|*.wri|Archivos de texto (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Carregar Fitxers de text a la carpeta</source>
        <translation>Cargar archivos de texto en el portapapeles</translation>
    </message>
    <message>
        <source>Fitxers Text (*.TXT,*.WRI,*.RTF)|*.TXT;*.WRI;*.RTF|Tots els fitxers (*.*)|*.*</source>
        <translation>Archivos de texto (*.TXT,*.WRI,*.RTF)|*.TXT;*.WRI;*.RTF|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>Fitxers Executables (*.EXE)|*.EXE|Tots els fitxers (*.*)|*.*</source>
        <translation>Archivos ejecutables (*.EXE)|*.EXE|Todos los archivos (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>orvel::Quadricula</name>
    <message>
        <source>Subdividir l&apos;àrea</source>
        <translation>Subdividir el área</translation>
    </message>
    <message>
        <source>Files:</source>
        <translation>Filas:</translation>
    </message>
    <message>
        <source>Columnes:</source>
        <translation>Columnas:</translation>
    </message>
    <message>
        <source>D&apos;Acord</source>
        <translation>De acuerdo</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>orvel::RDM</name>
    <message>
        <source>Redimensionar </source>
        <translation>Redimensionar </translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>orvel::ScanCostLegend</name>
    <message>
        <source>%1 pulsacions</source>
        <translation>%1 pulsaciones</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Cost d&apos;escaneig manual: pulsacions fins a cada àrea</source>
        <translation>Coste del barrido manual: pulsaciones hasta cada área</translation>
    </message>
    <message>
        <source>Cost d&apos;escaneig automàtic: temps fins que cada àrea s&apos;il·lumina</source>
        <translation>Coste del barrido automático: tiempo hasta que se ilumina cada área</translation>
    </message>
    <message>
        <source>Mitjana ponderada per les seleccions: %1</source>
        <translation>Media ponderada por las selecciones: %1</translation>
    </message>
    <message>
        <source>Mitjana de les %1 àrees: %2</source>
        <translation>Media de las %1 áreas: %2</translation>
    </message>
    <message>
        <source>Àrees que l&apos;escaneig no assoleix (en gris): %1</source>
        <translation>Áreas que el barrido no alcanza (en gris): %1</translation>
    </message>
</context>
<context>
    <name>orvel::StepSuggestionBox</name>
    <message>
        <source>Aplica</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Aplica el temps suggerit</source>
        <translation>Aplicar el tiempo sugerido</translation>
    </message>
    <message>
        <source>Encara no hi ha prou pulsacions per suggerir un temps de presentació (en calen %1).</source>
        <translation>Todavía no hay suficientes pulsaciones para sugerir un tiempo de presentación (hacen falta %1).</translation>
    </message>
    <message>
        <source>Temps de presentació suggerit: %1 s (%2 dècimes), a partir de %3 pulsacions vostres.</source>
        <translation>Tiempo de presentación sugerido: %1 s (%2 décimas), a partir de %3 pulsaciones suyas.</translation>
    </message>
</context>
<context>
    <name>orvel::SymbolPicker</name>
    <message>
        <source>Símbols</source>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>&amp;Cerca:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Cerca de símbols</source>
        <translation>Búsqueda de símbolos</translation>
    </message>
    <message>
        <source>Símbols trobats</source>
        <translation>Símbolos encontrados</translation>
    </message>
    <message>
        <source>Crèdits dels símbols</source>
        <translation>Créditos de los símbolos</translation>
    </message>
    <message>
        <source>D&apos;Acord</source>
        <translation>De acuerdo</translation>
    </message>
    <message>
        <source>Cancel·lar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Amb el text «%1» a sota</source>
        <translation>Con el texto «%1» debajo</translation>
    </message>
    <message>
        <source>Cap símbol no conté «%1».</source>
        <translation>Ningún símbolo contiene «%1».</translation>
    </message>
    <message numerus="yes">
        <source>%n símbols</source>
        <translation>
            <numerusform>%n símbolo</numerusform>
            <numerusform>%n símbolos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>orvel::TecVirt</name>
    <message>
        <source>Teclat Auxiliar</source>
        <translation>Teclado auxiliar</translation>
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
        <translation>Sensibilidad</translation>
    </message>
    <message>
        <source>Intensitat</source>
        <translation>Intensidad</translation>
    </message>
    <message>
        <source>Gruix del marc</source>
        <translation>Grosor del marco</translation>
    </message>
</context>
<context>
    <name>orvel::VoiceDistancesWindow</name>
    <message>
        <source>Millorar</source>
        <translation>Mejorar</translation>
    </message>
    <message>
        <source>Distància entre les paraules entrenades: les marcades es poden confondre; torneu-ne a entrenar una.</source>
        <translation>Distancia entre las palabras entrenadas: las marcadas se pueden confundir; vuelva a entrenar una de ellas.</translation>
    </message>
    <message>
        <source>&amp;Tancar</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>orvel::VoiceLevelWindow</name>
    <message>
        <source>Control del volum</source>
        <translation>Control del volumen</translation>
    </message>
    <message>
        <source>&amp;Tancar</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Soroll de fons: %1 dB</source>
        <translation>Ruido de fondo: %1 dB</translation>
    </message>
    <message>
        <source>No hi ha cap micròfon obert</source>
        <translation>No hay ningún micrófono abierto</translation>
    </message>
</context>
<context>
    <name>orvel::VoiceTrainingWindow</name>
    <message>
        <source>Entrenament</source>
        <translation>Entrenamiento</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>&amp;Grabar</translation>
    </message>
    <message>
        <source>&amp;Esborrar</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Tancar</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Digueu: %1</source>
        <translation>Diga: %1</translation>
    </message>
    <message>
        <source>No s&apos;ha sentit bé: %1</source>
        <translation>No se ha oído bien: %1</translation>
    </message>
</context>
<context>
    <name>orvel::rec_graf</name>
    <message>
        <source>Fitxers Gràfics</source>
        <translation>Archivos gráficos</translation>
    </message>
</context>
<context>
    <name>orvel::sim</name>
    <message>
        <source>Si memoria es ...</source>
        <translation>Si la memoria es ...</translation>
    </message>
    <message>
        <source>Memòria =</source>
        <translation>Memoria =</translation>
    </message>
    <message>
        <source>Cert</source>
        <translation>Cierto</translation>
    </message>
    <message>
        <source>Fals</source>
        <translation>Falso</translation>
    </message>
    <message>
        <source>Acceptar</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>orvel::usr</name>
    <message>
        <source>Qualsevol tecla</source>
        <translation>Cualquier tecla</translation>
    </message>
    <message>
        <source>Tecla {ENTER}</source>
        <translation>Tecla {ENTER}</translation>
    </message>
    <message>
        <source>Tecla {ESPAI}</source>
        <translation>Tecla {ESPACIO}</translation>
    </message>
    <message>
        <source>Tecla de la llista</source>
        <translation>Tecla de la lista</translation>
    </message>
    <message>
        <source>Moure el ratolí</source>
        <translation>Mover el ratón</translation>
    </message>
    <message>
        <source>Clic esquerra</source>
        <translation>Clic izquierdo</translation>
    </message>
    <message>
        <source>Doble clic esquerra</source>
        <translation>Doble clic izquierdo</translation>
    </message>
    <message>
        <source>Clic dret</source>
        <translation>Clic derecho</translation>
    </message>
    <message>
        <source>Doble clic dret</source>
        <translation>Doble clic derecho</translation>
    </message>
    <message>
        <source>Configuració Pulsador</source>
        <translation>Configuración del pulsador</translation>
    </message>
    <message>
        <source>Pulsador</source>
        <translation>Pulsador</translation>
    </message>
    <message>
        <source>Teclat</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Ratolí</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Llista de tecles </source>
        <translation>Lista de teclas </translation>
    </message>
    <message>
        <source>Temps de presentació</source>
        <translation>Tiempo de presentación</translation>
    </message>
    <message>
        <source>Temps d&apos;acció</source>
        <translation>Tiempo de acción</translation>
    </message>
    <message>
        <source>Gruix del marc</source>
        <translation>Grosor del marco</translation>
    </message>
    <message>
        <source>Ajustos d&apos;accés</source>
        <translation>Ajustes de acceso</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Temps d&apos;acceptació</source>
        <translation>Tiempo de aceptación</translation>
    </message>
    <message>
        <source>Una pulsació compta només si es manté premuda aquest temps</source>
        <translation>Una pulsación solo cuenta si se mantiene pulsada este tiempo</translation>
    </message>
    <message>
        <source>Temps després d&apos;acceptar</source>
        <translation>Tiempo tras aceptar</translation>
    </message>
    <message>
        <source>Les pulsacions fetes durant aquest temps després d&apos;una d&apos;acceptada no compten</source>
        <translation>Las pulsaciones hechas durante este tiempo después de una aceptada no cuentan</translation>
    </message>
    <message>
        <source>Retard del primer pas</source>
        <translation>Retardo del primer paso</translation>
    </message>
    <message>
        <source>La primera àrea de cada nivell queda marcada aquest temps de més</source>
        <translation>La primera área de cada nivel queda marcada este tiempo de más</translation>
    </message>
    <message>
        <source> voltes</source>
        <translation> vueltas</translation>
    </message>
    <message>
        <source>sense aturar-se</source>
        <translation>sin detenerse</translation>
    </message>
    <message>
        <source>Voltes sense selecció</source>
        <translation>Vueltas sin selección</translation>
    </message>
    <message>
        <source>L&apos;exploració automàtica s&apos;atura després d&apos;aquestes voltes sense cap selecció i torna a començar amb la pulsació següent</source>
        <translation>El barrido automático se detiene tras estas vueltas sin ninguna selección y vuelve a empezar con la siguiente pulsación</translation>
    </message>
    <message>
        <source>Exploració per files</source>
        <translation>Barrido por filas</translation>
    </message>
    <message>
        <source>Temps de permanència del ratolí</source>
        <translation>Tiempo de permanencia del ratón</translation>
    </message>
    <message>
        <source>Amb el cursor del ratolí, deixar el punter sobre una àrea aquest temps la selecciona</source>
        <translation>Con el cursor del ratón, dejar el puntero sobre un área este tiempo la selecciona</translation>
    </message>
    <message>
        <source>Marc amb contorn de contrast</source>
        <translation>Marco con contorno de contraste</translation>
    </message>
</context>
<context>
    <name>orvel::veu</name>
    <message>
        <source>Control per veu</source>
        <translation>Control por voz</translation>
    </message>
    <message>
        <source>1 Ordre</source>
        <translation>1 orden</translation>
    </message>
    <message>
        <source>2 Ordres</source>
        <translation>2 órdenes</translation>
    </message>
    <message>
        <source>5 Ordres</source>
        <translation>5 órdenes</translation>
    </message>
    <message>
        <source>&amp;Entrenament</source>
        <translation>&amp;Entrenamiento</translation>
    </message>
    <message>
        <source>&amp;Guardar...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source> &amp;Millorar...</source>
        <translation> &amp;Mejorar...</translation>
    </message>
    <message>
        <source>Control del &amp;volum</source>
        <translation>Control del &amp;volumen</translation>
    </message>
    <message>
        <source>Dècimes de registre</source>
        <translation>Décimas de registro</translation>
    </message>
    <message>
        <source>Temps de presentació</source>
        <translation>Tiempo de presentación</translation>
    </message>
    <message>
        <source>Gruix del marc</source>
        <translation>Grosor del marco</translation>
    </message>
</context>
</TS>
