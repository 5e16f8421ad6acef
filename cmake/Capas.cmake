# One library per folder of src/. Each library sees its own headers and those of
# the libraries it links, and no others: its include folder holds a link to its
# own source folder only, so "engine/X.h" is found from the engine and the layers
# above it, and an include that runs up the layers does not build.
function(torvel_capa objetivo carpeta)
  set(raiz ${CMAKE_BINARY_DIR}/capas/${objetivo})
  file(MAKE_DIRECTORY ${raiz})
  file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${carpeta} ${raiz}/${carpeta} SYMBOLIC)
  get_target_property(tipo ${objetivo} TYPE)
  if(tipo STREQUAL "EXECUTABLE")
    target_include_directories(${objetivo} PRIVATE ${raiz})
  else()
    target_include_directories(${objetivo} PUBLIC ${raiz})
  endif()
endfunction()

# Libraries that never use Qt's code generators.
function(torvel_sin_qt objetivo)
  set_target_properties(${objetivo} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
endfunction()
