<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Quillet</source>
        <translation>Acerca de Quillet</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>A writing assistant for English.</source>
        <translation>Un asistente de escritura en inglés.</translation>
    </message>
    <message>
        <source>Questions, ideas or trouble with a review? We would like to hear from you.</source>
        <translation>¿Preguntas, ideas o problemas con una revisión? Nos gustaría saber de usted.</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Contáctenos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>AccessDlg</name>
    <message>
        <source>Sign up</source>
        <translation>Registrarse</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <translation>Configuración del proxy</translation>
    </message>
    <message>
        <source>email</source>
        <translation>correo electrónico</translation>
    </message>
    <message>
        <source>password</source>
        <translation>contraseña</translation>
    </message>
    <message>
        <source>confirm password</source>
        <translation>confirmar contraseña</translation>
    </message>
    <message>
        <source>By clicking the button above, you agree to our &lt;a href=&quot;%1&quot;&gt;Terms of Service&lt;/a&gt;.</source>
        <translation>Al pulsar el botón de arriba, acepta nuestros &lt;a href=&quot;%1&quot;&gt;Términos del servicio&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>username/email</source>
        <translation>usuario/correo electrónico</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Recordarme</translation>
    </message>
    <message>
        <source>Forgot password?</source>
        <translation>¿Olvidó su contraseña?</translation>
    </message>
    <message>
        <source>Incorrect username/password combination.</source>
        <translation>El usuario o la contraseña no son correctos.</translation>
    </message>
    <message>
        <source>Request timed out. Please retry. You may need to diagnose your network connection if the problem lingers.</source>
        <translation>Se agotó el tiempo de espera. Vuelva a intentarlo. Si el problema continúa, revise su conexión de red.</translation>
    </message>
    <message>
        <source>or</source>
        <translation>o</translation>
    </message>
    <message>
        <source>Log in with Facebook</source>
        <translation>Iniciar sesión con Facebook</translation>
    </message>
    <message>
        <source>Sina Weibo</source>
        <translation>Sina Weibo</translation>
    </message>
    <message>
        <source>Signing up...</source>
        <translation>Registrando…</translation>
    </message>
    <message>
        <source>Invalid Email address.</source>
        <translation>La dirección de correo no es válida.</translation>
    </message>
    <message>
        <source>Email address already taken.</source>
        <translation>Esta dirección de correo ya está registrada.</translation>
    </message>
    <message>
        <source>Connection error. Check out your network status and proxy setup, and try again.</source>
        <translation>Error de conexión. Revise el estado de la red y la configuración del proxy, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Connection error. Please retry.</source>
        <translation>Error de conexión. Vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Your password contains invalid character(s). Please use ASCII characters only.</source>
        <translation>La contraseña contiene caracteres no válidos. Use solo caracteres ASCII.</translation>
    </message>
    <message>
        <source>Password must be no more than 16 characters in length.</source>
        <translation>La contraseña no puede tener más de 16 caracteres.</translation>
    </message>
    <message>
        <source>Password must be at least 6 characters in length.</source>
        <translation>La contraseña debe tener al menos 6 caracteres.</translation>
    </message>
    <message>
        <source>Passwords did not match. Please try again.</source>
        <translation>Las contraseñas no coinciden. Vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>AuthorizationWindow</name>
    <message>
        <source>Log in with Facebook</source>
        <translation>Iniciar sesión con Facebook</translation>
    </message>
    <message>
        <source>Log in with Sina Weibo</source>
        <translation>Iniciar sesión con Sina Weibo</translation>
    </message>
</context>
<context>
    <name>ClickableLabel</name>
    <message>
        <source>Suggestion for &quot;%1&quot;. Click to apply it.</source>
        <translation>Sugerencia para «%1». Haga clic para aplicarla.</translation>
    </message>
</context>
<context>
    <name>CorrectionItem</name>
    <message>
        <source>Insert: </source>
        <translation>Insertar: </translation>
    </message>
    <message>
        <source>Delete: </source>
        <translation>Eliminar: </translation>
    </message>
</context>
<context>
    <name>CorrectionPanel</name>
    <message>
        <source>Request timed out. Please retry. You may need to diagnose your network connection if the problem lingers.</source>
        <translation>Se agotó el tiempo de espera. Vuelva a intentarlo. Si el problema continúa, revise su conexión de red.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chino</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Enrichments suggest better word choices to avoid overuse of simple words, repetition or ambiguity.</source>
        <translation>Las sugerencias de enriquecimiento proponen palabras más precisas para evitar el abuso de palabras sencillas, las repeticiones o la ambigüedad.</translation>
    </message>
    <message>
        <source>A word will be highlighted and flagged as &quot;Confused Words&quot; if Quillet thinks you meant some other word(s) that better fits in here (with higher probability).
Please note that there&apos;s a common possibility the word flagged as &quot;Confused Words&quot; is correct after all and is indeed what you want to say here.</source>
        <translation>Quillet marca una palabra como «Palabras confusas» cuando cree que probablemente quería usar otra palabra que encaja mejor aquí.
Tenga en cuenta que a menudo la palabra marcada como «Palabras confusas» es correcta y es justo lo que quiere decir.</translation>
    </message>
    <message>
        <source>This option may contain profanity. Please use with caution.</source>
        <translation>Esta opción puede contener lenguaje ofensivo. Úsela con precaución.</translation>
    </message>
    <message>
        <source>&lt;body&gt;Loading...&lt;/body&gt;</source>
        <translation>&lt;body&gt;Cargando…&lt;/body&gt;</translation>
    </message>
</context>
<context>
    <name>CorrectionPanelClass</name>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Add to Glossary</source>
        <translation>Añadir al glosario</translation>
    </message>
    <message>
        <source>Exchange languages</source>
        <translation>Intercambiar idiomas</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Explicación</translation>
    </message>
</context>
<context>
    <name>CustomContextMenu</name>
    <message>
        <source>This option may contain profanity. Please use with caution.</source>
        <translation>Esta opción puede contener lenguaje ofensivo. Úsela con precaución.</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Add to Glossary</source>
        <translation>Añadir al glosario</translation>
    </message>
</context>
<context>
    <name>CustomMenuBar</name>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Open local file</source>
        <translation>Abrir archivo local</translation>
    </message>
    <message>
        <source>Open from Evernote</source>
        <translation>Abrir desde Evernote</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Archivos recientes</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Save to local file</source>
        <translation>Guardar en archivo local</translation>
    </message>
    <message>
        <source>Save to Evernote</source>
        <translation>Guardar en Evernote</translation>
    </message>
    <message>
        <source>Document templates</source>
        <translation>Plantillas de documentos</translation>
    </message>
    <message>
        <source>User center</source>
        <translation>Mi cuenta</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>Preguntas frecuentes</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Enviar comentarios</translation>
    </message>
    <message>
        <source>About Quillet</source>
        <translation>Acerca de Quillet</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Close Quillet</source>
        <translation>Cerrar Quillet</translation>
    </message>
</context>
<context>
    <name>CustomTextEditor</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>The text to review. After a review, each flagged word has a suggestion under it.</source>
        <translation>El texto que se revisa. Tras una revisión, cada palabra marcada tiene una sugerencia debajo.</translation>
    </message>
</context>
<context>
    <name>DocumentNaming</name>
    <message>
        <source>All supported files (*.txt *.doc *.docx)</source>
        <translation>Todos los archivos compatibles (*.txt *.doc *.docx)</translation>
    </message>
    <message>
        <source>Text document(*.txt)</source>
        <translation>Documento de texto(*.txt)</translation>
    </message>
    <message>
        <source>Word document(*.docx)</source>
        <translation>Documento de Word(*.docx)</translation>
    </message>
    <message>
        <source>Word 97-2003 document(*.doc)</source>
        <translation>Documento de Word 97-2003(*.doc)</translation>
    </message>
</context>
<context>
    <name>EvernoteListFrame</name>
    <message>
        <source>Open from Evernote</source>
        <translation>Abrir desde Evernote</translation>
    </message>
    <message>
        <source>Search notes</source>
        <translation>Buscar notas</translation>
    </message>
    <message>
        <source>Failed to load the requested note. Press &quot;RELOAD&quot; and please try again.</source>
        <translation>No se pudo cargar la nota. Pulse «RECARGAR» e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
</context>
<context>
    <name>EvernoteProgressFrame</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Connection error. Please retry.</source>
        <translation>Error de conexión. Vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Authorize in process...</source>
        <translation>Autorización en curso...</translation>
    </message>
    <message>
        <source>Fail to authorize.</source>
        <translation>No se pudo autorizar.</translation>
    </message>
    <message>
        <source>Getting access token...</source>
        <translation>Obteniendo el token de acceso...</translation>
    </message>
    <message>
        <source>Fail to get access token.</source>
        <translation>No se pudo obtener el token de acceso.</translation>
    </message>
    <message>
        <source>Generating note url...</source>
        <translation>Generando la dirección de la nota...</translation>
    </message>
    <message>
        <source>Creating note...</source>
        <translation>Creando la nota...</translation>
    </message>
    <message>
        <source>Fetching notes...</source>
        <translation>Obteniendo las notas...</translation>
    </message>
    <message>
        <source>Successfully saved to Evernote.</source>
        <translation>Guardado en Evernote correctamente.</translation>
    </message>
    <message>
        <source>Saving to Evernote has failed due to connection error.</source>
        <translation>No se pudo guardar en Evernote por un error de conexión.</translation>
    </message>
    <message>
        <source>Saving to Evernote has failed due to monthly quota has run out for the given account.</source>
        <translation>No se pudo guardar en Evernote: la cuota mensual de la cuenta se ha agotado.</translation>
    </message>
    <message>
        <source>Saving to Evernote has failed due to excess of the per-note size limit.</source>
        <translation>No se pudo guardar en Evernote: la nota supera el tamaño máximo permitido.</translation>
    </message>
    <message>
        <source>Saving to Evernote has failed due to unexpected error.</source>
        <translation>No se pudo guardar en Evernote por un error inesperado.</translation>
    </message>
    <message>
        <source>Open from Evernote has failed due to connection error.</source>
        <translation>No se pudo abrir desde Evernote por un error de conexión.</translation>
    </message>
    <message>
        <source>Open from Evernote has failed due to excess of the per-note size limit or illegal format.</source>
        <translation>No se pudo abrir desde Evernote: la nota supera el tamaño máximo o su formato no es válido.</translation>
    </message>
    <message>
        <source>Open from Evernote has failed due to unexpected error.</source>
        <translation>No se pudo abrir desde Evernote por un error inesperado.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>EvernoteWindow</name>
    <message>
        <source>Authorize Quillet</source>
        <translation>Autorizar Quillet</translation>
    </message>
</context>
<context>
    <name>MainWnd</name>
    <message>
        <source>Saving the Word 97-2003 document...</source>
        <translation>Guardando el documento de Word 97-2003...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>Oops, nobody answered. There&apos;s a connection error or Quillet is not home right now.			   

Please check your network connection. You may need to use proxy under certain circumstances.</source>
        <translation>Vaya, nadie ha respondido. Hay un error de conexión o Quillet no está disponible en este momento.

Revise su conexión de red. En algunos casos puede que necesite usar un proxy.</translation>
    </message>
    <message>
        <source>Sorry, your request surpassed  Quillet usage limit (10,000 words per submit). Please shorten your text and try again.</source>
        <translation>Lo sentimos, su texto supera el límite de uso de Quillet (10.000 palabras por envío). Acorte el texto y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Sorry, your request surpassed  Quillet usage limit (30,000 words per minute). Please try again later.</source>
        <translation>Lo sentimos, ha superado el límite de uso de Quillet (30.000 palabras por minuto). Vuelva a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Palabras:</translation>
    </message>
    <message>
        <source>Errors:</source>
        <translation>Errores:</translation>
    </message>
    <message>
        <source>Suggestions:</source>
        <translation>Sugerencias:</translation>
    </message>
    <message>
        <source>(Disabled)</source>
        <translation>(Desactivado)</translation>
    </message>
    <message>
        <source>Oops...Quillet has no suggestions for your current text. Either you wrote brilliantly, or Quillet is not smart enough.</source>
        <translation>Vaya… Quillet no tiene sugerencias para este texto. O ha escrito de maravilla, o Quillet no es lo bastante listo.</translation>
    </message>
    <message>
        <source>Log in session expired. Please log in again to continue using Quillet. </source>
        <translation>La sesión ha caducado. Vuelva a iniciar sesión para seguir usando Quillet.</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>All flagged errors will be replaced with the top correction option shown right beneath it. Proceed anyway?</source>
        <translation>Cada error marcado se sustituirá por la primera corrección que aparece justo debajo. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Your current text will be cleared. Proceed?</source>
        <translation>Se borrará el texto actual. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Successfully copied.</source>
        <translation>Copiado.</translation>
    </message>
    <message>
        <source>Your software crashed unexpectedly. Text recovered and loaded for you before the crash.</source>
        <translation>El programa se cerró inesperadamente. Se ha recuperado el texto que tenía antes del fallo.</translation>
    </message>
    <message>
        <source>Your current text will be lost if not saved. Proceed anyway?</source>
        <translation>Si no lo guarda, perderá el texto actual. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Your current text will be lost without being saved. Confirm log out?</source>
        <translation>Si no lo guarda, perderá el texto actual. ¿Desea cerrar la sesión?</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>The current text will be replaced. You may lose all edits if not saved. Proceed?</source>
        <translation>Se sustituirá el texto actual y, si no lo ha guardado, perderá los cambios. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Failed to load file. Either the file doesn&apos;t exist, or the file format is not supported.</source>
        <translation>No se pudo abrir el archivo. El archivo no existe o su formato no es compatible.</translation>
    </message>
    <message>
        <source>Failed to save file.</source>
        <translation>No se pudo guardar el archivo.</translation>
    </message>
    <message>
        <source>Failed to save file.
Either you&apos;re trying to over-write a file which is in use. Or you may have to install Office first.</source>
        <translation>No se pudo guardar el archivo.
Puede que intente sobrescribir un archivo que está en uso, o que necesite instalar antes un programa de Office.</translation>
    </message>
    <message>
        <source>Successfully saved.</source>
        <translation>Guardado correctamente.</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ProgressOverlay</name>
    <message>
        <source>Reviewing your text...</source>
        <translation>Revisando su texto…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ProxyPanel</name>
    <message>
        <source>No proxy</source>
        <translation>Sin proxy</translation>
    </message>
    <message>
        <source>Browser built-in proxy</source>
        <translation>Proxy del navegador</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>Tipo de proxy</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Dominio</translation>
    </message>
    <message>
        <source>Check proxy settings</source>
        <translation>Probar el proxy</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Comprobando…</translation>
    </message>
    <message>
        <source>Valid proxy.</source>
        <translation>El proxy funciona.</translation>
    </message>
    <message>
        <source>Invalid proxy.</source>
        <translation>El proxy no funciona.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Revisar</translation>
    </message>
    <message>
        <source>Apply all</source>
        <translation>Aplicar todo</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Copy all</source>
        <translation>Copiar todo</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Search or Translate</source>
        <translation>Buscar o traducir</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Side panel</source>
        <translation>Panel lateral</translation>
    </message>
    <message>
        <source>Network connection fails</source>
        <translation>Sin conexión de red</translation>
    </message>
    <message>
        <source>Updates available</source>
        <translation>Hay actualizaciones</translation>
    </message>
</context>
<context>
    <name>ReportFrame</name>
    <message>
        <source>Troll</source>
        <translation>Troll</translation>
    </message>
    <message>
        <source>Dreadful</source>
        <translation>Desastroso</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Insatisfactorio</translation>
    </message>
    <message>
        <source>Acceptable</source>
        <translation>Aceptable</translation>
    </message>
    <message>
        <source>Exceeds Expectations</source>
        <translation>Supera las expectativas</translation>
    </message>
    <message>
        <source>Outstanding</source>
        <translation>Extraordinario</translation>
    </message>
    <message>
        <source>%1 mistake(s) found</source>
        <translation>Errores encontrados: %1</translation>
    </message>
    <message>
        <source>%1 word(s) in %2 sentence(s)</source>
        <translation>%1 palabra(s) en %2 oración(es)</translation>
    </message>
    <message>
        <source>%1 word(s) per sentence</source>
        <translation>%1 palabra(s) por oración</translation>
    </message>
    <message>
        <source>(Disabled)</source>
        <translation>(Desactivado)</translation>
    </message>
    <message>
        <source>%1 suggestion(s) made</source>
        <translation>Sugerencias hechas: %1</translation>
    </message>
    <message>
        <source>A1 (Breakthrough)</source>
        <translation>A1 (Acceso)</translation>
    </message>
    <message>
        <source>A2 (Waystage)</source>
        <translation>A2 (Plataforma)</translation>
    </message>
    <message>
        <source>B1 (Threshold)</source>
        <translation>B1 (Umbral)</translation>
    </message>
    <message>
        <source>B2 (Vantage)</source>
        <translation>B2 (Avanzado)</translation>
    </message>
    <message>
        <source>C1 (Effective Operational Proficiency)</source>
        <translation>C1 (Dominio operativo eficaz)</translation>
    </message>
    <message>
        <source>C2 (Mastery)</source>
        <translation>C2 (Maestría)</translation>
    </message>
    <message>
        <source>BASE</source>
        <extracomment>Exam levels of the Chinese interface: high-school English, College English Test bands 4 and 6, IELTS, TOEFL, GRE. Only the Chinese interface shows them.</extracomment>
        <translation>Bachillerato</translation>
    </message>
    <message>
        <source>CET4</source>
        <translation>CET-4</translation>
    </message>
    <message>
        <source>CET6</source>
        <translation>CET-6</translation>
    </message>
    <message>
        <source>IELTS</source>
        <translation>IELTS</translation>
    </message>
    <message>
        <source>TOEFL</source>
        <translation>TOEFL</translation>
    </message>
    <message>
        <source>GRE</source>
        <translation>GRE</translation>
    </message>
    <message>
        <source>A1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>A2</source>
        <translation>A2</translation>
    </message>
    <message>
        <source>B1</source>
        <translation>B1</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
    <message>
        <source>C1</source>
        <translation>C1</translation>
    </message>
    <message>
        <source>C2</source>
        <translation>C2</translation>
    </message>
</context>
<context>
    <name>ReportFrameClass</name>
    <message>
        <source>Spelling Mistakes</source>
        <translation>Errores ortográficos</translation>
    </message>
    <message>
        <source>Grammar Mistakes</source>
        <translation>Errores gramaticales</translation>
    </message>
    <message>
        <source>Other Mistakes</source>
        <translation>Otros errores</translation>
    </message>
    <message>
        <source>%1 mistake(s) found</source>
        <translation>Errores encontrados: %1</translation>
    </message>
    <message>
        <source>Vocabulary</source>
        <translation>Vocabulario</translation>
    </message>
    <message>
        <source>(Too simple to tell.)</source>
        <translation>(Texto demasiado sencillo para valorarlo.)</translation>
    </message>
    <message>
        <source>Structure</source>
        <translation>Estructura</translation>
    </message>
    <message>
        <source>vocabulary level</source>
        <translation>nivel de vocabulario</translation>
    </message>
    <message>
        <source>A1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>A2</source>
        <translation>A2</translation>
    </message>
    <message>
        <source>B1</source>
        <translation>B1</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
    <message>
        <source>C1</source>
        <translation>C1</translation>
    </message>
    <message>
        <source>C2</source>
        <translation>C2</translation>
    </message>
    <message>
        <source>Total Suggestions</source>
        <translation>Total de sugerencias</translation>
    </message>
    <message>
        <source>Word and Sentence Count</source>
        <translation>Palabras y oraciones</translation>
    </message>
    <message>
        <source>Average Length</source>
        <translation>Longitud media</translation>
    </message>
    <message>
        <source>Share my result</source>
        <translation>Compartir mi resultado</translation>
    </message>
    <message>
        <source>Tell your friends about Quillet</source>
        <translation>Hable de Quillet a sus amigos</translation>
    </message>
</context>
<context>
    <name>SamplePrompt</name>
    <message>
        <source>Not sure what to write? Click here to try a sample text.</source>
        <translation>¿No sabe qué escribir? Haga clic aquí para probar con un texto de ejemplo.</translation>
    </message>
</context>
<context>
    <name>SettingFrame</name>
    <message>
        <source>Unfortunately, the request failed.&lt;br /&gt;Fortunately, you can always visit &lt;a style=&apos;color:#00c8ff;&apos; href=&apos;%1&apos;&gt;our website&lt;/a&gt; to download the latest version.</source>
        <translation>Lamentablemente, la solicitud ha fallado.&lt;br /&gt;Siempre puede visitar &lt;a style=&apos;color:#00c8ff;&apos; href=&apos;%1&apos;&gt;nuestro sitio web&lt;/a&gt; para descargar la última versión.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source> Automatically jump to the next flagged error, when done with correcting the previous one.</source>
        <translation> Saltar al siguiente error marcado al terminar de corregir el anterior.</translation>
    </message>
    <message>
        <source>Show me enrichment suggestions beside grammar/spelling corrections.</source>
        <translation>Mostrar sugerencias de enriquecimiento además de las correcciones de gramática y ortografía.</translation>
    </message>
    <message>
        <source>Show me &quot;Correction Statistics&quot; after each grammar check.</source>
        <translation>Mostrar las «Estadísticas de corrección» después de cada revisión.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Please restart Quillet after changing the language setting</source>
        <translation>Reinicie Quillet tras cambiar el idioma</translation>
    </message>
    <message>
        <source>Restart Quillet</source>
        <translation>Reiniciar Quillet</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Buscando actualizaciones…</translation>
    </message>
    <message>
        <source>You&apos;re now running the latest version.</source>
        <translation>Ya tiene la versión más reciente.</translation>
    </message>
    <message>
        <source>available</source>
        <translation>disponible</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Text size:</source>
        <translation>Tamaño del texto:</translation>
    </message>
    <message>
        <source>System size</source>
        <translation>Tamaño del sistema</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Tamaño del texto</translation>
    </message>
</context>
<context>
    <name>Titlebar</name>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TutorialOverlay</name>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Welcome to Quillet</source>
        <translation>Bienvenido a Quillet</translation>
    </message>
    <message>
        <source>Type or paste your English text into the editor, or open a document.</source>
        <translation>Escriba o pegue su texto en inglés en el editor, o abra un documento.</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Revisar</translation>
    </message>
    <message>
        <source>Press Review. Quillet checks every sentence and colours each word it would change.</source>
        <translation>Pulse Revisar. Quillet comprueba cada oración y colorea cada palabra que cambiaría.</translation>
    </message>
    <message>
        <source>One click to correct</source>
        <translation>Corregir con un clic</translation>
    </message>
    <message>
        <source>The best correction sits in a small label under the word: click it to apply. The side panel shows more choices and explains the rule.</source>
        <translation>La mejor corrección aparece en una pequeña etiqueta bajo la palabra: haga clic en ella para aplicarla. El panel lateral muestra más opciones y explica la regla.</translation>
    </message>
    <message>
        <source>Ready?</source>
        <translation>¿Listo?</translation>
    </message>
    <message>
        <source>Press Go and start writing.</source>
        <translation>Pulse Empezar y comience a escribir.</translation>
    </message>
</context>
<context>
    <name>WindowAccessibility</name>
    <message>
        <source>Text position</source>
        <translation>Posición en el texto</translation>
    </message>
    <message>
        <source>Opens a text or Word document (Ctrl+O).</source>
        <translation>Abre un documento de texto o de Word (Ctrl+O).</translation>
    </message>
    <message>
        <source>Checks the text and flags errors (F7). F8 and Shift+F8 move between the flagged words; Ctrl+Return applies the suggestion of the current one.</source>
        <translation>Revisa el texto y marca los errores (F7). F8 y Mayús+F8 recorren las palabras marcadas; Ctrl+Intro aplica la sugerencia de la actual.</translation>
    </message>
    <message>
        <source>Applies the first suggestion of every flagged word.</source>
        <translation>Aplica la primera sugerencia de cada palabra marcada.</translation>
    </message>
    <message>
        <source>Saves the text as a document (Ctrl+S).</source>
        <translation>Guarda el texto como documento (Ctrl+S).</translation>
    </message>
    <message>
        <source>Copies the whole text.</source>
        <translation>Copia todo el texto.</translation>
    </message>
    <message>
        <source>Pastes the clipboard&apos;s text.</source>
        <translation>Pega el texto del portapapeles.</translation>
    </message>
    <message>
        <source>Removes the whole text.</source>
        <translation>Borra todo el texto.</translation>
    </message>
    <message>
        <source>Shows the statistics of the last review.</source>
        <translation>Muestra las estadísticas de la última revisión.</translation>
    </message>
    <message>
        <source>Shows the side panel with the current suggestion&apos;s explanation.</source>
        <translation>Muestra el panel lateral con la explicación de la sugerencia actual.</translation>
    </message>
    <message>
        <source>Flagged: &quot;%1&quot;.</source>
        <translation>Marcado: «%1».</translation>
    </message>
    <message>
        <source>Flagged: &quot;%1&quot;. Suggestion: %2.</source>
        <translation>Marcado: «%1». Sugerencia: %2.</translation>
    </message>
</context>
</TS>
