// Command handlers of the main window's calculation panels.
#include "mainwindow/RungeKutta.h"

#include "captions/modBelco.h"
#include "engine/modFuncionesTorvel.h"
#include "plot/GraficoPerfil.h"
#include "state/Variables.h"
#include "ui_RungeKutta.h"
#include "windows/Mensajes.h"
#include "windows/VentanaUnica.h"

// The panels' calculations are still to be written; the buttons do nothing yet.
void RungeKutta::Calc_tir_Click() {}

void RungeKutta::cmdAlterno_Click() {}

void RungeKutta::cmdConjugado_Click() {}

void RungeKutta::Calc_sup_libre_Click() {}

void RungeKutta::Paso_directo_Click() {}

void RungeKutta::Command1_Click() {}
