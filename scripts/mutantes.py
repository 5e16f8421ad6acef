#!/usr/bin/env python3
"""Mutation testing: plants one small fault at a time in the C++ sources and checks that the
tests of the matching ctest label catch it. A fault they do not catch (a survivor) is a test
still to be written, or an equivalent mutant to list in scripts/mutantes-equivalentes.txt.

  scripts/mutantes.py --sample 3 src/engine/Geometria.cpp
  scripts/mutantes.py --since main --sample 20 --seed 7
  scripts/mutantes.py --list src/cli/Salida.cpp
  scripts/mutantes.py --only 3fa9c1d2 src/cli/Salida.cpp

Every mutant is built and tested in a scratch worktree (.mutantes/arbol, build in
.mutantes/build), never in the working copy; both stay between runs, so every build is
incremental. The working copy's uncommitted changes are copied in first. Not part of CI.
"""
import argparse, hashlib, json, os, random, re, shutil, signal, subprocess, sys, time
from collections import namedtuple
from dataclasses import dataclass
from pathlib import Path

# The ctest labels that test each folder of src/. A folder missing here is tested by the label
# of its own name when ctest has one; --label overrides the table.
ETIQUETAS = {
    "state": ["engine", "calc", "cli", "windows", "mainwindow"],
    "engine": ["engine", "calc"],
    "calc": ["calc", "cli", "mainwindow"],
    "captions": ["captions", "cli", "windows", "mainwindow"],
    "cli": ["cli", "mainwindow"],
    "plot": ["plot", "windows"],
    "windows": ["windows", "mainwindow"],
    "app": ["windows"],
    "mainwindow": ["mainwindow", "windows"],
}
EXCLUIDAS = "^(paquete)$"  # the package build: slow, and tests no line of src/

RAIZ = Path(__file__).resolve().parent.parent
TRABAJO = RAIZ / ".mutantes"
ARBOL, BUILD = TRABAJO / "arbol", TRABAJO / "build"
EQUIVALENTES = RAIZ / "scripts" / "mutantes-equivalentes.txt"
CONFIGURAR = ["-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DBUILD_TESTING=ON", "-DTORVEL_BENCHMARKS=OFF"]
# Headless, with private runtime and configuration folders, as scripts/test.sh runs the tests.
ENTORNO = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=str(TRABAJO / "runtime"),
               XDG_CONFIG_HOME=str(TRABAJO / "config"))

# ---------------------------------------------------------------------------------------------
# Reading C++: tokens outside comments, preprocessor lines and literals.

TOKEN = re.compile(
    r"""(?P<directiva>(?m:^)[ \t]*\#(?:\\\n|[^\n])*)
  | (?P<espacio>[ \t\r\f\v]+|\n)
  | (?P<comentario>//[^\n]*|/\*.*?\*/)
  | (?P<cadena>(?:u8|u|U|L)?R"(?P<d>[^(\s]*)\(.*?\)(?P=d)"|(?:u8|u|U|L)?"(?:\\.|[^"\\\n])*")
  | (?P<caracter>(?:u8|u|U|L)?'(?:\\.|[^'\\\n])*')
  | (?P<numero>\.?\d(?:[eEpP][+-]|[\w.'])*)
  | (?P<nombre>[A-Za-z_]\w*)
  | (?P<signo>->|\+\+|--|<<=|>>=|<<|>>|<=|>=|==|!=|&&|\|\||[-+*/%&|^]=|::|\.\.\.|.)""",
    re.S | re.X)

PALABRAS = set("""auto bool break case catch char class const constexpr continue default delete do
    double else enum explicit extern false float for friend goto if inline int long namespace new
    noexcept operator private protected public return short signed sizeof static static_assert
    struct switch template throw true try typedef typename union unsigned using virtual void
    volatile while""".split())

Token = namedtuple("Token", "tipo texto ini fin linea col")

def tokens(fuente):
    """The tokens that matter, without spaces, comments and preprocessor lines."""
    salida, pos, linea, inicio_linea = [], 0, 1, 0
    while pos < len(fuente):
        m = TOKEN.match(fuente, pos)
        tipo = m.lastgroup if m.lastgroup != "d" else "cadena"
        if tipo not in ("espacio", "comentario", "directiva"):
            salida.append(Token(tipo, m.group(), pos, m.end(), linea, pos - inicio_linea + 1))
        saltos = m.group().count("\n")
        if saltos:
            linea += saltos
            inicio_linea = pos + m.group().rindex("\n") + 1
        pos = m.end()
    return salida

def cierre(toks, i):
    """Index of the bracket that closes the one at toks[i]."""
    pares = {"(": ")", "[": "]", "{": "}"}
    abre, cierra, prof = toks[i].texto, pares[toks[i].texto], 0
    for j in range(i, len(toks)):
        prof += (toks[j].texto == abre) - (toks[j].texto == cierra)
        if prof == 0:
            return j
    return len(toks) - 1

def plantillas(toks):
    """Indices inside template argument lists (std::vector<double>, static_cast<int>(x))."""
    dentro = set()
    for i, t in enumerate(toks):
        antes = toks[i - 1] if i else None
        if t.texto != "<" or not antes or antes.tipo != "nombre" or antes.texto == "operator":
            continue
        prof, parentesis, j = 1, 0, i + 1
        while j < len(toks) and prof > 0:
            x = toks[j].texto
            prof += (x == "<") - (x == ">") - 2 * (x == ">>")
            parentesis += (x == "(") - (x == ")")
            if parentesis < 0 or x in (";", "{", "}", "&&", "||", "==", "!=", "<=", ">=", "?", "="):
                break
            j += 1
        if prof <= 0:
            dentro.update(range(i, j))
    return dentro

def ajeno(toks):
    """Indices the mutants leave alone: static_assert(...) and extern "C"."""
    fuera = set()
    for i, t in enumerate(toks):
        if t.texto == "static_assert" and i + 1 < len(toks) and toks[i + 1].texto == "(":
            fuera.update(range(i, cierre(toks, i + 1) + 1))
        if t.texto == "extern":
            fuera.add(i + 1)
    return fuera

def bloques(toks):
    """For every token, whether it lies in code (a function or lambda body) rather than in a
    namespace, class, enum or at file level."""
    pila, en_codigo, cabecera = [], [], []
    for t in toks:
        en_codigo.append(bool(pila) and pila[-1])
        if t.texto == "{":
            tipo = any(x in ("class", "struct", "union", "enum", "namespace") for x in cabecera)
            pila.append(not tipo and (not pila or pila[-1] or ")" in cabecera))
        elif t.texto == "}" and pila:
            pila.pop()
        if t.texto in ("{", "}", ";"):
            cabecera = []
        else:
            cabecera.append(t.texto)
    return en_codigo

# ---------------------------------------------------------------------------------------------
# The mutants: one function per operator; each yields (first token, last token, replacement).

@dataclass
class Mutante:
    archivo: str
    linea: int
    col: int
    ini: int
    fin: int
    original: str
    mutado: str
    operador: str
    renglon: str  # the source line, shown when the change is a single token
    vez: int  # how many identical lines came before it in the file

    @property
    def id(self):
        """Made of the line's text rather than its number: it survives edits elsewhere."""
        sangria = len(self.renglon) - len(self.renglon.lstrip())
        clave = (f"{self.archivo}:{self.renglon.strip()}:{self.vez}:{self.col - sangria}:"
                 f"{self.operador}:{self.mutado}")
        return hashlib.sha1(clave.encode()).hexdigest()[:8]

    def describir(self):
        def corto(s):
            s = " ".join(s.split())
            return s if len(s) <= 60 else s[:57] + "..."
        pieza = len(self.original) < 20 and self.original.strip() != self.renglon.strip()
        return (f"{self.archivo}:{self.linea}:{self.col}: {corto(self.original)} → "
                f"{corto(self.mutado)}" + (f"  in: {corto(self.renglon)}" if pieza else ""))

def operando(t):
    return t.tipo in ("numero", "cadena", "caracter") or t.texto in (")", "]") or (
        t.tipo == "nombre" and t.texto not in PALABRAS - {"this", "true", "false"})

def binario(fuente, toks, i):
    """An operator between two operands, spaced on both sides as .clang-format lays it out."""
    t = toks[i]
    return (0 < i < len(toks) - 1 and operando(toks[i - 1]) and fuente[t.ini - 1] in " \n"
            and fuente[t.fin] in " \n")

def op_comparacion(fuente, toks, i, ctx):
    cambio = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
    if toks[i].texto in cambio and i not in ctx["plantillas"] and toks[i - 1].texto != "operator":
        yield i, i, cambio[toks[i].texto]

def op_aritmetica(fuente, toks, i, ctx):
    cambio = {"+": "-", "-": "+", "*": "/", "/": "*", "+=": "-=", "-=": "+=", "*=": "/=",
              "/=": "*="}
    t = toks[i].texto
    if t in cambio and toks[i - 1].texto != "operator" and (
            t.endswith("=") or binario(fuente, toks, i)):
        yield i, i, cambio[t]

def op_numero(fuente, toks, i, ctx):
    t = toks[i].texto
    m = re.fullmatch(r"(\d[\d']*)?(?:\.(\d*))?(?:[eE]([+-]?\d+))?([uUlLfF]*)", t)
    if toks[i].tipo != "numero" or not m or i in ctx["plantillas"] or re.match(r"0\d", t):
        return
    entero, decimales, exponente, sufijo = m.group(1) or "", m.group(2), m.group(3), m.group(4)
    mantisa = t[: len(t) - len(sufijo)].split("e")[0].split("E")[0]
    k = max(j for j, c in enumerate(mantisa) if c.isdigit())
    d = int(mantisa[k])
    yield i, i, mantisa[:k] + str(d + 1 if d < 9 else d - 1) + t[k + 1:]
    if not any(c in "123456789" for c in mantisa):
        return  # ten times zero is zero
    if exponente is not None:
        yield i, i, f"{mantisa}e{int(exponente) + 1}{sufijo}"
    elif decimales is None:
        yield i, i, f"{entero}0{sufijo}"
    else:
        nuevo = (entero + decimales[:1]).lstrip("0") or "0"
        yield i, i, f"{nuevo}.{decimales[1:] or '0'}{sufijo}"

def op_logico(fuente, toks, i, ctx):
    cambio = {"true": "false", "false": "true", "&&": "||", "||": "&&"}
    t = toks[i].texto
    if t in ("true", "false") or (t in ("&&", "||") and binario(fuente, toks, i)):
        yield i, i, cambio[t]

def op_retorno(fuente, toks, i, ctx):
    """return X;  becomes  return {};  (the value-initialised result)."""
    if toks[i].texto != "return" or toks[i + 1].texto == ";":
        return
    j = i + 1
    while j < len(toks) and toks[j].texto != ";":
        j = cierre(toks, j) + 1 if toks[j].texto in "([{" else j + 1
    valor = "".join(t.texto for t in toks[i + 1: j])
    if valor not in ("{}", "false", "0", "0.0", "nullptr", '""'):
        yield i + 1, j - 1, "{}"

INICIO_SENTENCIA = (";", "{", "}", ")", "else", ":")
SIGUE_A_SENTENCIA = ("=", "+=", "-=", "*=", "/=", "%=", "|=", "&=", "^=", "<<=", ">>=", "(", "++",
                     "--", "<<")

def op_sentencia(fuente, toks, i, ctx):
    """An expression statement (assignment, call, increment, throw) deleted."""
    t = toks[i]
    primera = fuente.rfind("\n", 0, t.ini) + 1
    if not ctx["codigo"][i] or i == 0 or toks[i - 1].texto not in INICIO_SENTENCIA or fuente[
            primera:t.ini].strip():
        return
    j = i + 1
    if t.tipo == "nombre" and t.texto not in PALABRAS - {"this"}:
        while j < len(toks) and toks[j].texto in (".", "->", "::", "["):
            j = cierre(toks, j) + 1 if toks[j].texto == "[" else j + 2
        if j >= len(toks) or toks[j].texto not in SIGUE_A_SENTENCIA:
            return
    elif t.texto not in ("++", "--", "throw"):
        return
    while j < len(toks) and toks[j].texto != ";":
        if toks[j].texto in ")]}":
            return
        j = cierre(toks, j) + 1 if toks[j].texto in "([{" else j + 1
    if j < len(toks):
        yield i, j, "{}"

def op_rama(fuente, toks, i, ctx):
    """if (c) becomes if (false); else { ... } becomes else {}."""
    t = toks[i]
    if t.texto == "if" and toks[i + 1].texto == "(":
        fin = cierre(toks, i + 1)
        if fin > i + 2 and toks[i + 2].texto != "false":
            yield i + 2, fin - 1, "false"
    elif t.texto == "else" and toks[i + 1].texto == "{":
        fin = cierre(toks, i + 1)
        if fin > i + 2:
            yield i + 1, fin, "{}"

SEPARADORES = {",": ";", ";": ",", "\\t": " ", " ": "\\t", ":": ";", ".": ",", "|": ","}

def op_cadena(fuente, toks, i, ctx):
    """A caption, key or separator changed: "" gets a letter, a separator becomes another one,
    any other text loses its last character."""
    t = toks[i]
    if t.tipo not in ("cadena", "caracter") or "R\"" in t.texto:
        return
    comilla = t.texto[-1]
    prefijo, dentro = t.texto[: t.texto.index(comilla)], t.texto[t.texto.index(comilla) + 1: -1]
    if dentro in SEPARADORES:
        nuevo = SEPARADORES[dentro]
    elif t.tipo == "caracter":
        return
    elif not dentro:
        nuevo = "x"
    else:
        ultimo = re.search(r"(\\(?:x[0-9a-fA-F]+|[0-7]{1,3}|u[0-9a-fA-F]{4}|.)|.)$", dentro, re.S)
        nuevo = dentro[: ultimo.start()]
    yield i, i, f"{prefijo}{comilla}{nuevo}{comilla}"

OPERADORES = {"comparacion": op_comparacion, "aritmetica": op_aritmetica, "numero": op_numero,
              "logico": op_logico, "retorno": op_retorno, "sentencia": op_sentencia,
              "rama": op_rama, "cadena": op_cadena}

def mutantes_de(archivo):
    fuente = (RAIZ / archivo).read_text(encoding="utf-8")
    toks = tokens(fuente)
    ctx = {"plantillas": plantillas(toks), "ajeno": ajeno(toks), "codigo": bloques(toks)}
    lineas, salida, vistas, veces = fuente.split("\n"), [], {}, []
    for renglon in lineas:  # for each line, how many identical lines came before it
        veces.append(vistas.get(renglon.strip(), 0))
        vistas[renglon.strip()] = veces[-1] + 1
    for i in range(len(toks)):
        if i in ctx["ajeno"]:
            continue
        for nombre, operador in OPERADORES.items():
            for a, b, mutado in operador(fuente, toks, i, ctx):
                ini, fin = toks[a].ini, toks[b].fin
                n = toks[a].linea - 1
                salida.append(Mutante(archivo, n + 1, toks[a].col, ini, fin, fuente[ini:fin],
                                      mutado, nombre, lineas[n], veces[n]))
    return salida

# ---------------------------------------------------------------------------------------------
# The scratch worktree, its build and its tests.

def git(*args, cwd=RAIZ):
    return subprocess.run(["git", *args], cwd=cwd, check=True, capture_output=True,
                          text=True).stdout

def ejecutar(orden, registro, timeout=None):
    """Runs a command with its output in a log file; True if it succeeded."""
    with open(registro, "w") as log:
        try:
            return subprocess.run(orden, stdout=log, stderr=subprocess.STDOUT, timeout=timeout,
                                  env=ENTORNO).returncode == 0
        except subprocess.TimeoutExpired:
            return False

def preparar_arbol():
    """The scratch worktree at HEAD plus the working copy's uncommitted changes; configured."""
    head = git("rev-parse", "HEAD").strip()
    if not (ARBOL / ".git").exists():
        git("worktree", "prune")
        git("worktree", "add", "--detach", str(ARBOL), head)
    else:
        git("checkout", "--quiet", "--force", "--detach", head, cwd=ARBOL)
        git("clean", "-fdq", cwd=ARBOL)
    # Changed against HEAD, staged or not, and new files not yet added.
    cambiados = git("diff", "--name-only", "--diff-filter=d", "HEAD").splitlines()
    for nombre in cambiados + git("ls-files", "-o", "--exclude-standard").splitlines():
        origen, destino = RAIZ / nombre, ARBOL / nombre
        if origen.is_file() and not (destino.exists()
                                     and destino.read_bytes() == origen.read_bytes()):
            destino.parent.mkdir(parents=True, exist_ok=True)
            shutil.copyfile(origen, destino)  # a new time: rebuilt
    for nombre in git("diff", "--name-only", "--diff-filter=D", "HEAD").splitlines():
        (ARBOL / nombre).unlink(missing_ok=True)
    if not (BUILD / "CMakeCache.txt").exists():
        generador = ["-G", "Ninja"] if shutil.which("ninja") else []
        print("Configuring the scratch build in .mutantes/build ...", flush=True)
        if not ejecutar(["cmake", "-S", ARBOL, "-B", BUILD, *generador, *CONFIGURAR],
                        TRABAJO / "configurar.log"):
            sys.exit("cmake failed: see .mutantes/configurar.log")

def expresion(etiquetas):
    return "^(" + "|".join(re.escape(e) for e in etiquetas) + ")$"

def etiquetas_de_ctest():
    salida = subprocess.run(["ctest", "--test-dir", BUILD, "--print-labels"], capture_output=True,
                            text=True, env=ENTORNO).stdout
    return {l.strip() for l in salida.splitlines()[2:] if l.startswith("  ")}

def objetivos(etiquetas):
    """The test programs of the labels, as build targets; None builds everything."""
    salida = subprocess.run(["ctest", "--test-dir", BUILD, "-L", expresion(etiquetas), "-LE",
                             EXCLUIDAS, "--show-only=json-v1"], capture_output=True, text=True,
                            env=ENTORNO).stdout
    nombres = {t["name"] for t in json.loads(salida)["tests"]}
    programas = {}
    for archivo in BUILD.rglob("CTestTestfile.cmake"):
        for nombre, programa in re.findall(r'add_test\(\[=\[(.*?)\]=\] "([^"]+)"',
                                           archivo.read_text()):
            programas[nombre] = programa
    if not nombres or any(not programas.get(n, "").startswith(str(BUILD)) for n in nombres):
        return None
    return sorted({Path(programas[n]).name for n in nombres})

def construir(destinos, jobs, registro):
    orden = ["cmake", "--build", BUILD, "-j", str(jobs)]
    return ejecutar(orden + (["--target", *destinos] if destinos else []), registro)

def probar(etiquetas, segundos, jobs):
    """'pass', 'fail' or 'timeout' for the tests of the labels."""
    orden = ["ctest", "--test-dir", BUILD, "-L", expresion(etiquetas), "-LE", EXCLUIDAS,
             "--timeout", str(segundos), "--stop-on-failure", "--no-tests=error", "-j", str(jobs)]
    registro = TRABAJO / "pruebas.log"
    if ejecutar(orden, registro, timeout=segundos * 20 + 60):
        return "pass"
    texto = registro.read_text(errors="replace") if registro.exists() else "Timeout"
    return "timeout" if "Timeout" in texto else "fail"

def etiquetas_para(archivo, forzadas, existentes):
    partes = Path(archivo).parts
    carpeta = partes[1] if len(partes) > 2 and partes[0] == "src" else None
    pedidas = forzadas or ETIQUETAS.get(carpeta, [carpeta] if carpeta else [])
    return tuple(sorted(e for e in pedidas if e in existentes))

def leer_equivalentes():
    """Keys of the equivalent mutants: '<id> -- why' or 'file:line:original→mutated -- why'."""
    claves = set()
    if EQUIVALENTES.exists():
        for linea in EQUIVALENTES.read_text(encoding="utf-8").splitlines():
            clave = linea.split(" -- ")[0].strip()
            if clave and not clave.startswith("#"):
                claves.add("".join(clave.split()))
    return claves

def es_equivalente(m, claves):
    return m.id in claves or "".join(
        f"{m.archivo}:{m.linea}:{m.original}→{m.mutado}".split()) in claves

# ---------------------------------------------------------------------------------------------

def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawTextHelpFormatter)
    p.add_argument("archivos", nargs="*", metavar="FILE", help="C++ files to mutate (under src/)")
    p.add_argument("--since", metavar="REV", help="mutate the C++ files of src/ changed since REV")
    p.add_argument("--sample", type=int, metavar="N", help="run N mutants picked at random")
    p.add_argument("--seed", type=int, help="seed of the sample (printed; random by default)")
    p.add_argument("--only", action="append", default=[], metavar="ID", help="run these ids only")
    p.add_argument("--label", action="append", default=[], help="ctest label(s) to run instead")
    p.add_argument("--list", action="store_true", help="print the mutants without running them")
    p.add_argument("--jobs", type=int, default=2, help="parallel build and test jobs (2)")
    p.add_argument("--timeout", type=int, help="seconds per test (5 times the unmutated run, "
                   "at least 20)")
    a = p.parse_args()
    signal.signal(signal.SIGPIPE, signal.SIG_DFL)  # --list | head
    inicio = time.monotonic()

    archivos = list(a.archivos)
    if a.since:
        cambiados = git("diff", "--name-only", a.since, "--", "src/*.cpp", "src/*.h").splitlines()
        archivos += [f for f in cambiados if (RAIZ / f).is_file()]
    archivos = sorted({str((Path.cwd() / f).resolve().relative_to(RAIZ)) for f in archivos})
    if not archivos:
        p.error("no files: give FILE arguments or --since REV")

    todos = [m for f in archivos for m in mutantes_de(f)]
    claves = leer_equivalentes()
    equivalentes = [m for m in todos if es_equivalente(m, claves)]
    elegibles = [m for m in todos if not es_equivalente(m, claves)]
    if a.only:
        elegibles = [m for m in elegibles if m.id in {i for o in a.only for i in o.split(",")}]
    seed = a.seed if a.seed is not None else random.randrange(10**6)
    if a.sample and a.sample < len(elegibles):
        elegibles = random.Random(seed).sample(elegibles, a.sample)
        elegibles.sort(key=lambda m: (m.archivo, m.ini, m.operador, m.mutado))
    print(f"{len(todos)} mutants in {len(archivos)} file(s), {len(equivalentes)} marked "
          f"equivalent; running {len(elegibles)} (seed {seed})", flush=True)
    if a.list:
        for m in elegibles:
            print(f"{m.id}  {m.operador:<11} {m.describir()}")
        return 0
    if not elegibles:
        return 0 if not a.only else sys.exit(f"no mutant with the id(s) {', '.join(a.only)}")

    TRABAJO.mkdir(exist_ok=True)
    (TRABAJO / "runtime").mkdir(mode=0o700, exist_ok=True)
    preparar_arbol()
    existentes = etiquetas_de_ctest()
    por_etiquetas = {}
    for f in archivos:
        forzadas = [e for opcion in a.label for e in opcion.split(",")]
        etiquetas = etiquetas_para(f, forzadas, existentes - {"paquete"})
        if not etiquetas:
            sys.exit(f"{f}: no ctest label tests it (labels: {', '.join(sorted(existentes))}); "
                     "use --label")
        por_etiquetas[f] = etiquetas

    # The unmutated code must build and pass, or every mutant would look caught.
    destinos, limite = {}, {}
    for etiquetas in sorted(set(por_etiquetas.values())):
        destinos[etiquetas] = objetivos(etiquetas)
        print(f"Baseline: building {' '.join(destinos[etiquetas] or ['everything'])} and running "
              f"ctest -L '{expresion(etiquetas)}' ...", flush=True)
        if not construir(destinos[etiquetas], a.jobs, TRABAJO / "construir.log"):
            sys.exit("the unmutated code does not build: see .mutantes/construir.log")
        t0 = time.monotonic()
        if probar(etiquetas, a.timeout or 600, a.jobs) != "pass":
            sys.exit("the unmutated code fails its tests: see .mutantes/pruebas.log")
        limite[etiquetas] = a.timeout or max(20, round(5 * (time.monotonic() - t0)))
        print(f"Baseline passed; a test running over {limite[etiquetas]} s counts as caught",
              flush=True)

    resultados = {"killed": [], "timeout": [], "survived": [], "dropped": []}
    for n, m in enumerate(elegibles, 1):
        ruta, t0 = ARBOL / m.archivo, time.monotonic()
        original = ruta.read_bytes()
        texto = original.decode("utf-8")
        if texto[m.ini:m.fin] != m.original:
            sys.exit(f"{m.archivo} differs in the scratch tree; run again")
        try:
            ruta.write_text(texto[:m.ini] + m.mutado + texto[m.fin:], encoding="utf-8")
            etiquetas = por_etiquetas[m.archivo]
            if not construir(destinos[etiquetas], a.jobs, TRABAJO / "mutante.log"):
                estado = "dropped"
            else:
                estado = {"pass": "survived", "fail": "killed", "timeout": "timeout"}[
                    probar(etiquetas, limite[etiquetas], a.jobs)]
        finally:
            ruta.write_bytes(original)
        resultados[estado].append(m)
        print(f"[{n}/{len(elegibles)}] {m.id} {m.operador:<11} {m.describir()}  "
              f"{estado} ({time.monotonic() - t0:.1f} s)", flush=True)

    muertos = len(resultados["killed"]) + len(resultados["timeout"])
    juzgados = muertos + len(resultados["survived"])
    print(f"\nScore: {muertos}/{juzgados} killed"
          + (f" ({100 * muertos / juzgados:.0f} %)" if juzgados else "")
          + f"; {len(resultados['timeout'])} of them by timeout; "
          f"{len(resultados['dropped'])} did not compile; {len(equivalentes)} marked equivalent "
          f"(seed {seed}, {time.monotonic() - inicio:.0f} s)")
    if resultados["survived"]:
        print("Survivors (a test to write, or '<id> -- reason' in "
              "scripts/mutantes-equivalentes.txt):")
        for m in resultados["survived"]:
            print(f"  {m.id}  {m.describir()}")
    return 0

if __name__ == "__main__":
    sys.exit(main())
