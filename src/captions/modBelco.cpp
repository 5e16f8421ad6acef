// Caption strings of the two interface languages.
#include "captions/modBelco.h"

QString capTituloPrincipal, capTitFlujoUniforme, capGeomCanal, capRectangular, capAncho,
    capTrapezoidal, capAnchFondo, capAngTaludGrados, capAngTaludMetros, capConvertir, capCircular,
    capDiametro, capOtrasCaract, capPendiente, capNumManning, capCaudal, capPendCritica, capTipo,
    capTiranteFlujoUniforme, capCritico, capNormal, capPorcDiametro, capCalcTir,
    capTirantesAlternos, capEnergia, capAlterno, capFlujoGradVar, capEcSuperficie, capConjugado,
    capCmdConjugado, capCondBorde, capCdeBTirante, capDadoxf, capRungeKutta, capCalcSupLibre,
    capDadoxfEnergia, capDadoyf, capDadoyfPasoDirecto, capPasoDirecto, capDadoyfEnergia,
    capParamHidraulicos, capSelecTirante, capOptCondBorde, capOptRungeKutta, capManual, capCommand1,
    capMnuArchivo, capMnuParametros, capMnuCargar, capMnuSalir, capMnuEdicion, capMnuExportar,
    capMnuBorrar, capMnuAyuda, capMnuAyudaOnline, capMnuEmpresa, capMnuInfo, capMnuIdiom,
    capParamVariosTitulo, capParametros, capParamTirante, capParamArea, capParamPerim,
    capParamAncho, capParamTens, capParamVel, capParamEnergia, capParamCant, capParamSalir,
    capParamCalcTitulo, capPrincipal, capErrorAdm, capPuntosInterm, capPasoInt, capABS,
    capAceptarSalir, capAtencion, capOKButton, capFaltanDatosTitulo, capVersion, capBug, capCreado,
    capInfoProgTitulo, capCerrar, capInvestigacion, capInfoZuvanVersion, capInfoCerrar,
    capAyudaOnlineMsg, capSalirMsg, capMnuLenguaje, capErrorEntradaTitulo, capErrorLectura,
    capErrorPuntos, capErrorIdiomaLeer, capErrorIdiomaGuardar, capFalloTitulo, capFalloMensaje,
    capFalloFlujoUniforme, capFalloAlterno, capFalloConjugado, capFalloRungeKutta,
    capFalloPasoDirecto, capFalloParametros, capMotivoDivision, capMotivoInvalida,
    capMotivoDesborde, capMotivoDivisionGeneral, capMotivoInvalidaGeneral, capMotivoDesbordeGeneral,
    capMotivoTiranteCero, capMotivoDesborde16, capMotivoSinResultado, capMotivoErrorAdmisible,
    capMotivoPasoInteligente, capPasoDirectoIguales, capGraficoNombre, capGraficoDescripcion;

QString capMnuResultados, capMnuVentanaPerfil, capMnuInforme, capPerfilTitulo, capPerfilNinguno,
    capPerfilTipo, capMetodoRungeKutta, capMetodoPasoDirecto, capFinAlcanzado, capFinFueraDeZona,
    capFinInversion, capPerfilCopiar, capPerfilGuardarTabla, capPerfilGuardarGrafico,
    capLeyendaPerfil, capEjeX, capEjeY, capColX, capColTirante, capColArea, capColVelocidad,
    capColFroude, capColEnergia, capColFriccion, capFiltroCsv, capFiltroGrafico, capErrorGuardar,
    capMotivoCarpeta, capMotivoSinCarpeta, capMotivoPermiso, capMotivoEscritura, capMotivoFormato,
    capMotivoSinPerfil, capInformeTitulo, capInformeFecha, capInformeCanal, capInformeForma,
    capInformeParametros, capInformeBorde, capInformeResultados, capInformeSinResultados,
    capInformeSi, capInformeNo;

namespace {

void TextosEspanol()
{
    capTituloPrincipal = QStringLiteral("Hidráulica de Canales Abiertos");
    capTitFlujoUniforme = QStringLiteral("Flujo Uniforme");
    capGeomCanal = QStringLiteral("Geometría del Canal");
    capRectangular = QStringLiteral("Rectangular");
    capAncho = QStringLiteral("Ancho (m)");
    capTrapezoidal = QStringLiteral("Trapezoidal");
    capAnchFondo = QStringLiteral("Ancho de Fondo (m)");
    capAngTaludGrados = QStringLiteral("Angulo del Talud (grados)");
    capAngTaludMetros = QStringLiteral("Ang. Talud (1/m)");
    capConvertir = QStringLiteral("Conv.");
    capCircular = QStringLiteral("Circular");
    capDiametro = QStringLiteral("Diámetro (m)");
    capOtrasCaract = QStringLiteral("Otras Características");
    capPendiente = QStringLiteral("Pendiente");
    capNumManning = QStringLiteral("Número de Manning");
    capCaudal = QStringLiteral("Caudal (m3/s)");
    capPendCritica = QStringLiteral("Pend. Crítica");
    capTipo = QStringLiteral("Tipo");
    capTiranteFlujoUniforme = QStringLiteral("Tirantes Flujo Uniforme ");
    capCritico = QStringLiteral("Crítico (m)");
    capNormal = QStringLiteral("Normal (m)");
    capPorcDiametro = QStringLiteral("% Diám.");
    capCalcTir = QStringLiteral("Calcular!");
    capTirantesAlternos = QStringLiteral("Tirantes Alternos");
    capEnergia = QStringLiteral("Energía=");
    capAlterno = QStringLiteral("Calcular!");
    capFlujoGradVar = QStringLiteral("Flujo Gradualmente Variado");
    capEcSuperficie = QStringLiteral("Ecuación de la Superficie");
    capConjugado = QStringLiteral("Tirantes Conjugados");
    capCmdConjugado = QStringLiteral("Calcular Tirante Conjugado");
    capCondBorde = QStringLiteral("C. de Borde");
    capCdeBTirante = QStringLiteral("Tirante (m)");
    capDadoxf = QStringLiteral("Dado xf Calcular yf");
    capRungeKutta = QStringLiteral("(Runge Kutta)");
    capCalcSupLibre = QStringLiteral("Calcular!");
    capDadoxfEnergia = QStringLiteral("Energía (m) =");
    capDadoyf = QStringLiteral("Dado yf Calcular xf");
    capDadoyfPasoDirecto = QStringLiteral("(Paso Directo)");
    capPasoDirecto = QStringLiteral("Calcular!");
    capDadoyfEnergia = QStringLiteral("Energía (m) =");
    capParamHidraulicos = QStringLiteral("Parámetros Hidráulicos");
    capSelecTirante = QStringLiteral("Seleccionar Tirante");
    capOptCondBorde = QStringLiteral("C. de Borde");
    capOptRungeKutta = QStringLiteral("Calculado por Runge Kutta");
    capManual = QStringLiteral("Manual (m)");
    capCommand1 = QStringLiteral("Calcular!");
    capMnuArchivo = QStringLiteral("Archivo");
    capMnuParametros = QStringLiteral("Setear Parámetros de Cálculo");
    capMnuCargar = QStringLiteral("Cargar Valores Anteriores");
    capMnuSalir = QStringLiteral("Salir");
    capMnuEdicion = QStringLiteral("Edición");
    capMnuExportar = QStringLiteral("Exportar Valores");
    capMnuBorrar = QStringLiteral("Borrar Valores");
    capMnuAyuda = QStringLiteral("Ayuda");
    capMnuAyudaOnline = QStringLiteral("Ayuda en linea");
    capMnuEmpresa = QStringLiteral("Información de la Empresa");
    capMnuInfo = QStringLiteral("Información del Programa");
    capMnuIdiom = QStringLiteral("Idioma");
    capParamVariosTitulo = QStringLiteral("Cálculo de Parámetros de Interés");
    capParametros = QStringLiteral("Parámetros");
    capParamTirante = QStringLiteral("Tirante (m)");
    capParamArea = QStringLiteral("Área (m^2)");
    capParamPerim = QStringLiteral("Perímetro (m)");
    capParamAncho = QStringLiteral("Ancho Sup. (m)");
    capParamTens = QStringLiteral("Tensión (Pa)");
    capParamVel = QStringLiteral("Velocidad (m/s)");
    capParamEnergia = QStringLiteral("Energía (m)");
    capParamCant = QStringLiteral("Cantidad de Mov. (m^3) ");
    capParamSalir = QStringLiteral("Salir");
    capParamCalcTitulo = QStringLiteral("Torvel - Seteo de parámetros de cálculo");
    capPrincipal = QStringLiteral("Parámetros de cálculo");
    capErrorAdm =
        QStringLiteral("Error admisible en el cálculo de los tirantes crítico y normal (m)");
    capPuntosInterm = QStringLiteral("Puntos intermedios en el perfil");
    capPasoInt = QStringLiteral("Usar Paso Inteligente cuando");
    capABS = QStringLiteral("ABS(dy/dx) mayor que");
    capAceptarSalir = QStringLiteral("Aceptar y Salir");
    capAtencion = QStringLiteral(
        "Atención!!  Verifique los valores de entradas de datos, se han detectado valores "
        "nulos y/o caudales o números de Manning negativos.");
    capOKButton = QStringLiteral("Aceptar");
    capFaltanDatosTitulo = QStringLiteral("Advertencia, faltan datos!!");
    capVersion = QStringLiteral(
        "Esta versión incorpora algunos elementos a la versión anterior, que comprenden el "
        "cálculo de tirantes alternos y la utilización de menúes para simplificar la "
        "navegación en el programa.");
    capBug = QStringLiteral(
        "En caso de detectar alguna falla (bug) en el programa, rogamos nos lo haga saber a "
        "nuestra direccion de correo electrónico para poder corregir el programa y mejorar el "
        "servicio que estamos prestando. Desde ya muchas gracias.");
    capCreado = QStringLiteral(
        "Este programa fue creado en 1999 por su autor, ingeniero, y su equipo técnico lo "
        "actualiza periódicamente.");
    capInfoProgTitulo = QStringLiteral("Información del Programa");
    capCerrar = QStringLiteral("Cerrar");
    capInvestigacion = QStringLiteral("Investigación Soporte TEcnico Consultoría");
    capInfoZuvanVersion = QStringLiteral("Versión 1.3");
    capInfoCerrar = QStringLiteral("Cerrar");
    capAyudaOnlineMsg =
        QStringLiteral("Para hacer consultas visite el sitio web del programa y utilice su sección "
                       "'Consultas on Line'. Muchas Gracias");
    capSalirMsg = QStringLiteral("Está seguro que desea salir? Esta acción perderá los cambios");
    capMnuLenguaje = QStringLiteral("In english please ");

    capErrorEntradaTitulo = QStringLiteral("Error en la entrada de datos");
    capErrorLectura = QStringLiteral(
        "La casilla \"%1\" no contiene un número: \"%2\".\n"
        "Escriba los números con el separador decimal de la configuración regional del sistema.");
    capErrorPuntos =
        QStringLiteral("El número de puntos intermedios debe ser un número entero de hasta 32765: "
                       "\"%1\" no lo es.");
    capErrorIdiomaLeer =
        QStringLiteral("No se pudo leer el idioma guardado en la configuración; se usa el inglés.");
    capErrorIdiomaGuardar = QStringLiteral(
        "No se pudo guardar el idioma elegido; se usará solamente durante esta sesión.");

    capFalloTitulo = QStringLiteral("Cálculo no completado");
    capFalloMensaje = QStringLiteral("%1: %2.\n\nSe conservan los resultados anteriores.");
    capFalloFlujoUniforme =
        QStringLiteral("No se pudieron calcular los tirantes de flujo uniforme");
    capFalloAlterno = QStringLiteral("No se pudieron calcular los tirantes alternos");
    capFalloConjugado = QStringLiteral("No se pudo calcular el tirante conjugado");
    capFalloRungeKutta = QStringLiteral("No se pudo calcular el perfil por Runge Kutta");
    capFalloPasoDirecto = QStringLiteral("No se pudo calcular el perfil por paso directo");
    capFalloParametros = QStringLiteral("No se pudieron calcular los parámetros hidráulicos");
    capMotivoDivision = QStringLiteral("hay una división por cero con un tirante de %1 m");
    capMotivoInvalida = QStringLiteral(
        "hay una operación no definida (raíz de un número negativo o 0/0) con un tirante de %1 m");
    capMotivoDesborde = QStringLiteral("un resultado es demasiado grande con un tirante de %1 m");
    capMotivoDivisionGeneral = QStringLiteral("hay una división por cero");
    capMotivoInvalidaGeneral =
        QStringLiteral("hay una operación no definida (raíz de un número negativo o 0/0)");
    capMotivoDesbordeGeneral = QStringLiteral("un resultado es demasiado grande");
    capMotivoTiranteCero = QStringLiteral(
        "un tirante de 0 m no tiene área de flujo (revise los tirantes, el caudal y las "
        "dimensiones de la sección)");
    capMotivoDesborde16 =
        QStringLiteral("el número de puntos del perfil excede el límite de 32767 (%1)");
    capMotivoSinResultado = QStringLiteral(
        "no hay tal tirante dentro de los límites de búsqueda (la búsqueda se detuvo en %1 m)");
    capMotivoErrorAdmisible = QStringLiteral(
        "el error admisible es demasiado pequeño para buscar los tirantes hasta %1 m; "
        "auméntelo en Archivo > Setear Parámetros de Cálculo");
    capMotivoPasoInteligente = QStringLiteral(
        "el perfil necesitaría demasiados pasos inteligentes; use menos puntos intermedios o "
        "un valor mayor de ABS(dy/dx)");
    capPasoDirectoIguales = QStringLiteral(
        "El tirante buscado es igual al tirante de la condición de borde: no hay perfil que "
        "calcular.");
    capGraficoNombre = QStringLiteral("Gráfico del perfil");
    capGraficoDescripcion = QStringLiteral(
        "Perfil de la superficie libre del último cálculo, con los tirantes crítico, normal y "
        "conjugado del normal. Mantenga pulsado un botón del ratón sobre el gráfico para leer "
        "sus coordenadas.");
    capMnuResultados = QStringLiteral("Resultados");
    capMnuVentanaPerfil = QStringLiteral("Perfil de la superficie...");
    capMnuInforme = QStringLiteral("Informe de cálculo...");
    capPerfilTitulo = QStringLiteral("Perfil de la superficie");
    capPerfilNinguno = QStringLiteral("Todavía no se ha calculado ningún perfil.");
    capPerfilTipo = QStringLiteral("Perfil %1, %2");
    capMetodoRungeKutta = QStringLiteral("Runge-Kutta");
    capMetodoPasoDirecto = QStringLiteral("paso directo");
    capFinAlcanzado = QStringLiteral("llegó a xf = %1 m");
    capFinFueraDeZona =
        QStringLiteral("se detuvo en x = %1 m porque el tirante salió de su zona (cruzó yc o yn)");
    capFinInversion =
        QStringLiteral("se detuvo en x = %1 m porque la superficie cambió de sentido");
    capPerfilCopiar = QStringLiteral("Copiar");
    capPerfilGuardarTabla = QStringLiteral("Guardar tabla...");
    capPerfilGuardarGrafico = QStringLiteral("Guardar gráfico...");
    capLeyendaPerfil = QStringLiteral("Perfil");
    capEjeX = QStringLiteral("Distancia x (m)");
    capEjeY = QStringLiteral("Tirante y (m)");
    capColX = QStringLiteral("Distancia");
    capColTirante = QStringLiteral("Tirante");
    capColArea = QStringLiteral("Área");
    capColVelocidad = QStringLiteral("Velocidad");
    capColFroude = QStringLiteral("Número de Froude");
    capColEnergia = QStringLiteral("Energía específica");
    capColFriccion = QStringLiteral("Pendiente de fricción");
    capFiltroCsv = QStringLiteral("Archivos CSV (*.csv)");
    capFiltroGrafico = QStringLiteral("Imagen PNG (*.png);;Dibujo SVG (*.svg)");
    capErrorGuardar = QStringLiteral("No se pudo guardar el archivo \"%1\": %2.");
    capMotivoCarpeta = QStringLiteral("es una carpeta");
    capMotivoSinCarpeta = QStringLiteral("la carpeta no existe");
    capMotivoPermiso = QStringLiteral("no hay permiso para escribir en esa carpeta");
    capMotivoEscritura = QStringLiteral("la escritura falló (puede que el disco esté lleno)");
    capMotivoFormato = QStringLiteral("el nombre debe terminar en .png o .svg");
    capMotivoSinPerfil = QStringLiteral("todavía no hay ningún perfil");
    capInformeTitulo = QStringLiteral("Informe de cálculo");
    capInformeFecha = QStringLiteral("Fecha: %1");
    capInformeCanal = QStringLiteral("Canal");
    capInformeForma = QStringLiteral("Sección");
    capInformeParametros = QStringLiteral("Parámetros de cálculo");
    capInformeBorde = QStringLiteral("Condición de borde: x = %1 m, tirante = %2 m");
    capInformeResultados = QStringLiteral("Resultados");
    capInformeSinResultados = QStringLiteral("Todavía no hay resultados.");
    capInformeSi = QStringLiteral("sí");
    capInformeNo = QStringLiteral("no");
}

void TextosIngles()
{
    capTituloPrincipal = QStringLiteral("Open Channel Flow");
    capTitFlujoUniforme = QStringLiteral("Uniform Flow");
    capGeomCanal = QStringLiteral("Channel Geometry");
    capRectangular = QStringLiteral("Rectangular");
    capAncho = QStringLiteral("Width (m)");
    capTrapezoidal = QStringLiteral("Trapezoidal");
    capAnchFondo = QStringLiteral("Base Width (m)");
    capAngTaludGrados = QStringLiteral("Side Slope Angle (grades)");
    capAngTaludMetros = QStringLiteral("Side Slope Angle (1/m)");
    capConvertir = QStringLiteral("Conv.");
    capCircular = QStringLiteral("Circular");
    capDiametro = QStringLiteral("Diameter (m)");
    capOtrasCaract = QStringLiteral("Other Characteristics");
    capPendiente = QStringLiteral("Slope");
    capNumManning = QStringLiteral("Manning's Roughness Coeff.");
    capCaudal = QStringLiteral("Flow (m3/s)");
    capPendCritica = QStringLiteral("Critical Slope");
    capTipo = QStringLiteral("Type");
    capTiranteFlujoUniforme = QStringLiteral("Uniform Flow Depths");
    capCritico = QStringLiteral("Critical (m)");
    capNormal = QStringLiteral("Normal (m)");
    capPorcDiametro = QStringLiteral("% Diameter");
    capCalcTir = QStringLiteral("Calculate!");
    capTirantesAlternos = QStringLiteral("Alternate Depths");
    capEnergia = QStringLiteral("Energy =");
    capAlterno = QStringLiteral("Calculate!");
    capFlujoGradVar = QStringLiteral("Gradually Variable Flow");
    capEcSuperficie = QStringLiteral("Free Surface Equation");
    capConjugado = QStringLiteral("Conjugate Depths");
    capCmdConjugado = QStringLiteral("Calculate Conjugate Depths");
    capCondBorde = QStringLiteral("Boundary Conditions");
    capCdeBTirante = QStringLiteral("Depth (m)");
    capDadoxf = QStringLiteral("Given xf Find yf");
    capRungeKutta = QStringLiteral("(Runge Kutta)");
    capCalcSupLibre = QStringLiteral("Calculate!");
    capDadoxfEnergia = QStringLiteral("Energy (m) =");
    capDadoyf = QStringLiteral("Given yf Find xf");
    capDadoyfPasoDirecto = QStringLiteral("(Direct Step)");
    capPasoDirecto = QStringLiteral("Calculate!");
    capDadoyfEnergia = QStringLiteral("Energy (m) =");
    capParamHidraulicos = QStringLiteral("Hydraulics Parameters");
    capSelecTirante = QStringLiteral("Select Depth");
    capOptCondBorde = QStringLiteral("Boundary Conditions");
    capOptRungeKutta = QStringLiteral("Calculated by Runge Kutta");
    capManual = QStringLiteral("Manual (m)");
    capCommand1 = QStringLiteral("Calculate!");
    capMnuArchivo = QStringLiteral("File");
    capMnuParametros = QStringLiteral("Set Parameters");
    capMnuCargar = QStringLiteral("Load Previous Values");
    capMnuSalir = QStringLiteral("Exit");
    capMnuEdicion = QStringLiteral("Edit");
    capMnuExportar = QStringLiteral("Export Values");
    capMnuBorrar = QStringLiteral("Delete Values");
    capMnuAyuda = QStringLiteral("Help");
    capMnuAyudaOnline = QStringLiteral("Online Help");
    capMnuEmpresa = QStringLiteral("Company Information");
    capMnuInfo = QStringLiteral("Software Information");
    capMnuIdiom = QStringLiteral("Language");
    capParamVariosTitulo = QStringLiteral("Calc. of Interesting Parameters");
    capParametros = QStringLiteral("Parameters");
    capParamTirante = QStringLiteral("Depth (m)");
    capParamArea = QStringLiteral("Area (m^2)");
    capParamPerim = QStringLiteral("Perimeter (m)");
    capParamAncho = QStringLiteral("Sup. Width (m)");
    capParamTens = QStringLiteral("Tension (Pa)");
    capParamVel = QStringLiteral("Velocity (m/s)");
    capParamEnergia = QStringLiteral("Energy (m)");
    capParamCant = QStringLiteral("Momentum (m^3) ");
    capParamSalir = QStringLiteral("Exit");
    capParamCalcTitulo = QStringLiteral(" Set Parameters");
    capPrincipal = QStringLiteral("Parameters");
    capErrorAdm =
        QStringLiteral("Admisible error on the calculation of the critical and normal depths (m)");
    capPuntosInterm = QStringLiteral("Intermediate points in the cross section");
    capPasoInt = QStringLiteral("Use Intelligent Step when");
    capABS = QStringLiteral("ABS(dy/dx) greater than");
    capAceptarSalir = QStringLiteral("OK");
    capAtencion = QStringLiteral(
        "Attention!! Verify the values of entrances of data, null values and/or negative flows "
        "or Manning's roughness coefficients have been detected.");
    capOKButton = QStringLiteral("Ok");
    capFaltanDatosTitulo = QStringLiteral("Warning, missing data!!");
    capVersion = QStringLiteral(
        "This version incorporates some elements to the previous version, that include the "
        "calculation of alternating depths and the use of menus to simplify navigation in the "
        "program.");
    capBug = QStringLiteral(
        "In case of detecting some fault (bug) in the program, please contact us to our "
        "direction of e-mail to be able to correct the program and to improve the service that "
        "we are rendering. Thank you very much");
    capCreado = QStringLiteral(
        "This program was created in 1999 by its author, an engineer, and is updated "
        "periodically by its technical team.");
    capInfoProgTitulo = QStringLiteral("Software Information");
    capCerrar = QStringLiteral("Close");
    capInvestigacion = QStringLiteral("Investigation TEchnical Support Consulting");
    capInfoZuvanVersion = QStringLiteral("Version 1.3");
    capInfoCerrar = QStringLiteral("Close");
    capAyudaOnlineMsg = QStringLiteral(
        "For questions, please visit the English page of the program's web site and use its "
        "'Consultas on Line' section. Thank you");
    capSalirMsg =
        QStringLiteral("Are you sure you want to exit? This will cause to loose your changes");
    capMnuLenguaje = QStringLiteral("En Español por favor");

    capErrorEntradaTitulo = QStringLiteral("Input error");
    capErrorLectura = QStringLiteral(
        "The box \"%1\" does not hold a number: \"%2\".\n"
        "Write numbers with the decimal separator of the system's regional settings.");
    capErrorPuntos =
        QStringLiteral("The number of intermediate points must be a whole number up to 32765: "
                       "\"%1\" is not.");
    capErrorIdiomaLeer =
        QStringLiteral("The stored language setting could not be read; English is used.");
    capErrorIdiomaGuardar =
        QStringLiteral("The chosen language could not be saved; it applies to this session only.");

    capFalloTitulo = QStringLiteral("Calculation not completed");
    capFalloMensaje = QStringLiteral("%1: %2.\n\nThe previous results are kept.");
    capFalloFlujoUniforme = QStringLiteral("The uniform flow depths could not be computed");
    capFalloAlterno = QStringLiteral("The alternate depths could not be computed");
    capFalloConjugado = QStringLiteral("The conjugate depth could not be computed");
    capFalloRungeKutta = QStringLiteral("The Runge Kutta profile could not be computed");
    capFalloPasoDirecto = QStringLiteral("The direct step profile could not be computed");
    capFalloParametros = QStringLiteral("The hydraulic parameters could not be computed");
    capMotivoDivision = QStringLiteral("there is a division by zero at a depth of %1 m");
    capMotivoInvalida = QStringLiteral(
        "there is an undefined operation (root of a negative number or 0/0) at a depth of %1 m");
    capMotivoDesborde = QStringLiteral("a result is too large at a depth of %1 m");
    capMotivoDivisionGeneral = QStringLiteral("there is a division by zero");
    capMotivoInvalidaGeneral =
        QStringLiteral("there is an undefined operation (root of a negative number or 0/0)");
    capMotivoDesbordeGeneral = QStringLiteral("a result is too large");
    capMotivoTiranteCero = QStringLiteral(
        "a depth of 0 m has no flow area (check the depths, the discharge and the section "
        "dimensions)");
    capMotivoDesborde16 =
        QStringLiteral("the number of profile points exceeds the limit of 32767 (%1)");
    capMotivoSinResultado = QStringLiteral(
        "there is no such depth within the search bounds (the search stopped at %1 m)");
    capMotivoErrorAdmisible = QStringLiteral(
        "the admissible error is too small to search the depths up to %1 m; increase it in "
        "File > Set Parameters");
    capMotivoPasoInteligente = QStringLiteral(
        "the profile would need too many intelligent steps; use fewer intermediate points or a "
        "higher ABS(dy/dx) value");
    capPasoDirectoIguales = QStringLiteral(
        "The depth sought equals the boundary depth: there is no profile to compute.");
    capGraficoNombre = QStringLiteral("Profile plot");
    capGraficoDescripcion = QStringLiteral(
        "Free-surface profile of the last calculation, with the critical depth, the normal "
        "depth and the depth conjugate to it. Hold a mouse button down on the plot to read its "
        "coordinates.");
    capMnuResultados = QStringLiteral("Results");
    capMnuVentanaPerfil = QStringLiteral("Surface profile...");
    capMnuInforme = QStringLiteral("Calculation report...");
    capPerfilTitulo = QStringLiteral("Surface profile");
    capPerfilNinguno = QStringLiteral("No profile has been computed yet.");
    capPerfilTipo = QStringLiteral("%1 profile, %2");
    capMetodoRungeKutta = QStringLiteral("Runge-Kutta");
    capMetodoPasoDirecto = QStringLiteral("direct step");
    capFinAlcanzado = QStringLiteral("reached xf = %1 m");
    capFinFueraDeZona =
        QStringLiteral("stopped at x = %1 m because the depth left its zone (it crossed yc or yn)");
    capFinInversion = QStringLiteral("stopped at x = %1 m because the surface turned back");
    capPerfilCopiar = QStringLiteral("Copy");
    capPerfilGuardarTabla = QStringLiteral("Save table...");
    capPerfilGuardarGrafico = QStringLiteral("Save plot...");
    capLeyendaPerfil = QStringLiteral("Profile");
    capEjeX = QStringLiteral("Distance x (m)");
    capEjeY = QStringLiteral("Depth y (m)");
    capColX = QStringLiteral("Distance");
    capColTirante = QStringLiteral("Depth");
    capColArea = QStringLiteral("Area");
    capColVelocidad = QStringLiteral("Velocity");
    capColFroude = QStringLiteral("Froude number");
    capColEnergia = QStringLiteral("Specific energy");
    capColFriccion = QStringLiteral("Friction slope");
    capFiltroCsv = QStringLiteral("CSV files (*.csv)");
    capFiltroGrafico = QStringLiteral("PNG image (*.png);;SVG drawing (*.svg)");
    capErrorGuardar = QStringLiteral("The file \"%1\" could not be saved: %2.");
    capMotivoCarpeta = QStringLiteral("it is a folder");
    capMotivoSinCarpeta = QStringLiteral("the folder does not exist");
    capMotivoPermiso = QStringLiteral("there is no permission to write in that folder");
    capMotivoEscritura = QStringLiteral("writing failed (the disk may be full)");
    capMotivoFormato = QStringLiteral("the name must end in .png or .svg");
    capMotivoSinPerfil = QStringLiteral("no profile has been computed yet");
    capInformeTitulo = QStringLiteral("Calculation report");
    capInformeFecha = QStringLiteral("Date: %1");
    capInformeCanal = QStringLiteral("Channel");
    capInformeForma = QStringLiteral("Section");
    capInformeParametros = QStringLiteral("Calculation parameters");
    capInformeBorde = QStringLiteral("Boundary condition: x = %1 m, depth = %2 m");
    capInformeResultados = QStringLiteral("Results");
    capInformeSinResultados = QStringLiteral("No results yet.");
    capInformeSi = QStringLiteral("yes");
    capInformeNo = QStringLiteral("no");
}

}  // namespace

// --- Tooltips of the boxes and the faults explained by the inputs ---

QString capAyudaAncho, capAyudaAnchFondo, capAyudaAngGrados, capAyudaAngMetros, capAyudaDiametro,
    capAyudaPendiente, capAyudaManning, capAyudaCaudal, capAyudaPendCritica, capAyudaTipo,
    capAyudaCritico, capAyudaEnergiaCritica, capAyudaNormal, capAyudaEnergiaNormal,
    capAyudaPorcDiametro, capAyudaXBorde, capAyudaTiranteBorde, capAyudaXf, capAyudaYfHallado,
    capAyudaEnergiaPerfil, capAyudaYf, capAyudaXfHallado, capAyudaEnergiaDada, capAyudaAlternoInf,
    capAyudaAlternoSup, capAyudaTiranteDado, capAyudaAlterno, capAyudaY1Conj, capAyudaY2Conj,
    capAyudaTiranteManual, capAyudaErrorAdm, capAyudaPuntos, capAyudaUmbral, capFalloMensajeVacio,
    capMotivoSinDimension, capMotivoTiranteCeroEn, capMotivoBordeCritico;
QString capAyudaParamTirante, capAyudaParamArea, capAyudaParamPerim, capAyudaParamRh,
    capAyudaParamVel, capAyudaParamFroude, capAyudaParamAncho, capAyudaParamSf, capAyudaParamTens,
    capAyudaParamEnergia, capAyudaParamCant;

namespace {

void AyudasEspanol()
{
    capAyudaAncho = QStringLiteral("Ancho del canal rectangular (m)");
    capAyudaAnchFondo = QStringLiteral("Ancho de fondo del canal trapezoidal (m)");
    capAyudaAngGrados = QStringLiteral(
        "Ángulo de los taludes medido desde la horizontal, en grados (90: paredes verticales)");
    capAyudaAngMetros = QStringLiteral(
        "Talud como avance horizontal por metro de altura (m/m); Conv. lo convierte en el "
        "ángulo");
    capAyudaDiametro = QStringLiteral("Diámetro del canal circular (m)");
    capAyudaPendiente = QStringLiteral("Pendiente del fondo (m/m)");
    capAyudaManning = QStringLiteral("Coeficiente de rugosidad de Manning n (s/m^(1/3))");
    capAyudaCaudal = QStringLiteral("Caudal (m³/s)");
    capAyudaPendCritica = QStringLiteral("Pendiente crítica para este caudal (m/m)");
    capAyudaTipo = QStringLiteral(
        "Tipo de pendiente: M (suave, tirante normal sobre el crítico) o S (fuerte, bajo él)");
    capAyudaCritico = QStringLiteral("Tirante crítico (m)");
    capAyudaEnergiaCritica = QStringLiteral("Energía específica con el tirante crítico (m)");
    capAyudaNormal = QStringLiteral(
        "Tirante normal del flujo uniforme (m); Q LLENO: la tubería llena no conduce el "
        "caudal");
    capAyudaEnergiaNormal = QStringLiteral("Energía específica con el tirante normal (m)");
    capAyudaPorcDiametro = QStringLiteral("Tirante normal en porcentaje del diámetro (%)");
    capAyudaXBorde = QStringLiteral("Abscisa de la condición de borde (m)");
    capAyudaTiranteBorde = QStringLiteral("Tirante en la condición de borde (m)");
    capAyudaXf = QStringLiteral("Abscisa xf donde se busca el tirante (m)");
    capAyudaYfHallado = QStringLiteral("Tirante hallado en xf (m)");
    capAyudaEnergiaPerfil = QStringLiteral("Energía específica con ese tirante (m)");
    capAyudaYf = QStringLiteral("Tirante yf cuya abscisa se busca (m)");
    capAyudaXfHallado = QStringLiteral("Abscisa donde se alcanza el tirante yf (m)");
    capAyudaEnergiaDada = QStringLiteral("Energía específica cuyos dos tirantes se buscan (m)");
    capAyudaAlternoInf = QStringLiteral("Tirante inferior, supercrítico, con esa energía (m)");
    capAyudaAlternoSup = QStringLiteral("Tirante superior, subcrítico, con esa energía (m)");
    capAyudaTiranteDado = QStringLiteral("Tirante cuyo alterno se busca (m)");
    capAyudaAlterno =
        QStringLiteral("Tirante alterno: el otro tirante con la misma energía específica (m)");
    capAyudaY1Conj = QStringLiteral("Tirante a un lado de un resalto hidráulico (m)");
    capAyudaY2Conj = QStringLiteral(
        "Tirante conjugado: el otro lado del resalto, con la misma cantidad de movimiento (m)");
    capAyudaTiranteManual =
        QStringLiteral("Tirante con el que se calculan los parámetros hidráulicos (m)");
    capAyudaErrorAdm =
        QStringLiteral("Error admisible en la búsqueda de los tirantes crítico y normal (m)");
    capAyudaPuntos =
        QStringLiteral("Puntos intermedios del perfil, un número entero de hasta 32765");
    capAyudaUmbral =
        QStringLiteral("ABS(dy/dx) por encima del cual se refina un paso del perfil (m/m)");
    capAyudaParamTirante = QStringLiteral("Tirante de la sección (m)");
    capAyudaParamArea = QStringLiteral("Área de flujo (m²)");
    capAyudaParamPerim = QStringLiteral("Perímetro mojado (m)");
    capAyudaParamRh = QStringLiteral("Radio hidráulico: área sobre perímetro mojado (m)");
    capAyudaParamVel = QStringLiteral("Velocidad media (m/s)");
    capAyudaParamFroude = QStringLiteral("Número de Froude (sin unidad)");
    capAyudaParamAncho = QStringLiteral("Ancho superficial del agua (m)");
    capAyudaParamSf = QStringLiteral("Pendiente de fricción según Manning (m/m)");
    capAyudaParamTens = QStringLiteral("Tensión tangencial media sobre el perímetro mojado (Pa)");
    capAyudaParamEnergia = QStringLiteral("Energía específica (m)");
    capAyudaParamCant = QStringLiteral("Función cantidad de movimiento (m³)");
    capFalloMensajeVacio = QStringLiteral("%1: %2.");
    capMotivoSinDimension =
        QStringLiteral("la sección no tiene \"%1\": la casilla está vacía o es 0");
    capMotivoTiranteCeroEn =
        QStringLiteral("el tirante de \"%1\" es 0 m, que no tiene área de flujo");
    capMotivoBordeCritico = QStringLiteral(
        "el tirante de borde es igual al tirante crítico (%1 m), donde la superficie es "
        "vertical y ningún perfil puede comenzar");
}

void AyudasIngles()
{
    capAyudaAncho = QStringLiteral("Width of the rectangular channel (m)");
    capAyudaAnchFondo = QStringLiteral("Base width of the trapezoidal channel (m)");
    capAyudaAngGrados = QStringLiteral(
        "Angle of the side slopes measured from the horizontal, in degrees (90: vertical "
        "walls)");
    capAyudaAngMetros = QStringLiteral(
        "Side slope as horizontal run per metre of rise (m/m); Conv. turns it into the angle");
    capAyudaDiametro = QStringLiteral("Diameter of the circular channel (m)");
    capAyudaPendiente = QStringLiteral("Bed slope (m/m)");
    capAyudaManning = QStringLiteral("Manning's roughness coefficient n (s/m^(1/3))");
    capAyudaCaudal = QStringLiteral("Discharge (m³/s)");
    capAyudaPendCritica = QStringLiteral("Critical slope for this discharge (m/m)");
    capAyudaTipo =
        QStringLiteral("Slope type: M (mild, normal depth above critical) or S (steep, below it)");
    capAyudaCritico = QStringLiteral("Critical depth (m)");
    capAyudaEnergiaCritica = QStringLiteral("Specific energy at the critical depth (m)");
    capAyudaNormal = QStringLiteral(
        "Normal depth of uniform flow (m); Q LLENO: the full pipe cannot carry the discharge");
    capAyudaEnergiaNormal = QStringLiteral("Specific energy at the normal depth (m)");
    capAyudaPorcDiametro = QStringLiteral("Normal depth as a percentage of the diameter (%)");
    capAyudaXBorde = QStringLiteral("Abscissa of the boundary condition (m)");
    capAyudaTiranteBorde = QStringLiteral("Depth at the boundary condition (m)");
    capAyudaXf = QStringLiteral("Abscissa xf where the depth is sought (m)");
    capAyudaYfHallado = QStringLiteral("Depth found at xf (m)");
    capAyudaEnergiaPerfil = QStringLiteral("Specific energy at that depth (m)");
    capAyudaYf = QStringLiteral("Depth yf whose abscissa is sought (m)");
    capAyudaXfHallado = QStringLiteral("Abscissa where the depth yf is reached (m)");
    capAyudaEnergiaDada = QStringLiteral("Specific energy whose two depths are sought (m)");
    capAyudaAlternoInf = QStringLiteral("Lower, supercritical depth with that energy (m)");
    capAyudaAlternoSup = QStringLiteral("Upper, subcritical depth with that energy (m)");
    capAyudaTiranteDado = QStringLiteral("Depth whose alternate depth is sought (m)");
    capAyudaAlterno =
        QStringLiteral("Alternate depth: the other depth with the same specific energy (m)");
    capAyudaY1Conj = QStringLiteral("Depth on one side of a hydraulic jump (m)");
    capAyudaY2Conj =
        QStringLiteral("Conjugate depth: the other side of the jump, with the same momentum (m)");
    capAyudaTiranteManual =
        QStringLiteral("Depth at which the hydraulic parameters are computed (m)");
    capAyudaErrorAdm =
        QStringLiteral("Admissible error of the critical and normal depth searches (m)");
    capAyudaPuntos =
        QStringLiteral("Intermediate points of the profile, a whole number up to 32765");
    capAyudaUmbral = QStringLiteral("ABS(dy/dx) above which a profile step is refined (m/m)");
    capAyudaParamTirante = QStringLiteral("Depth of the section (m)");
    capAyudaParamArea = QStringLiteral("Flow area (m²)");
    capAyudaParamPerim = QStringLiteral("Wetted perimeter (m)");
    capAyudaParamRh = QStringLiteral("Hydraulic radius: area over wetted perimeter (m)");
    capAyudaParamVel = QStringLiteral("Mean velocity (m/s)");
    capAyudaParamFroude = QStringLiteral("Froude number (no unit)");
    capAyudaParamAncho = QStringLiteral("Top width of the water surface (m)");
    capAyudaParamSf = QStringLiteral("Friction slope by Manning's formula (m/m)");
    capAyudaParamTens = QStringLiteral("Mean shear stress on the wetted perimeter (Pa)");
    capAyudaParamEnergia = QStringLiteral("Specific energy (m)");
    capAyudaParamCant = QStringLiteral("Momentum function (m³)");
    capFalloMensajeVacio = QStringLiteral("%1: %2.");
    capMotivoSinDimension = QStringLiteral("the section has no \"%1\": the box is empty or 0");
    capMotivoTiranteCeroEn = QStringLiteral("the depth in \"%1\" is 0 m, which has no flow area");
    capMotivoBordeCritico = QStringLiteral(
        "the boundary depth equals the critical depth (%1 m), where the surface is vertical "
        "and no profile can start");
}

}  // namespace

void CargarTextos(int16_t idioma)
{
    if (idioma == 0) {
        TextosEspanol();
        AyudasEspanol();
    } else if (idioma == 1) {
        TextosIngles();
        AyudasIngles();
    }
}
