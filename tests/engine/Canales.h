// The channels of the worked examples and a check of the engine's errors.
#pragma once

#include <gtest/gtest.h>

#include "../common/Canales.h"

template <class Operacion>
void EsperarError(Operacion operacion, TipoError tipo, const char* que = "")
{
    try {
        operacion();
        ADD_FAILURE() << "no ErrorCalculo from " << que;
    } catch (const ErrorCalculo& e) {
        EXPECT_EQ(e.tipo(), tipo) << que << ": " << e.what();
    }
}

#define EXPECT_ERROR_CALCULO(sentencia, tipo) EsperarError([&] { sentencia; }, tipo, #sentencia)
