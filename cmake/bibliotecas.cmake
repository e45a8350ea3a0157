# A library's headers are found through a root of its own that holds nothing but
# its folder, as <root>/<folder> -> the source folder. A target sees the folders
# of the libraries it links and no other: an include of a folder above it, or
# beside it, does not build.
function(ondaris_raiz objetivo alcance carpeta)
    set(raiz ${CMAKE_BINARY_DIR}/raices/${carpeta})
    if(NOT EXISTS ${raiz}/${carpeta})
        file(MAKE_DIRECTORY ${raiz})
        file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${carpeta} ${raiz}/${carpeta} SYMBOLIC)
    endif()
    target_include_directories(${objetivo} ${alcance} ${raiz})
endfunction()

# ondaris_biblioteca(name sources...): the library of the current folder.
function(ondaris_biblioteca nombre)
    add_library(${nombre} STATIC ${ARGN})
    file(RELATIVE_PATH carpeta ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    ondaris_raiz(${nombre} PUBLIC ${carpeta})
    set_property(GLOBAL APPEND PROPERTY ONDARIS_CON_CABECERAS ${nombre})
endfunction()

# Marks a target whose headers the header check compiles too.
function(ondaris_revisar_cabeceras objetivo)
    set_property(GLOBAL APPEND PROPERTY ONDARIS_CON_CABECERAS ${objetivo})
endfunction()

# For each header of every marked target, a translation unit that includes it
# alone, twice, compiled with what the target sees: a header that leans on an
# include made before it, or lacks its guard, fails to build.
function(ondaris_cabeceras_solas)
    get_property(objetivos GLOBAL PROPERTY ONDARIS_CON_CABECERAS)
    foreach(objetivo IN LISTS objetivos)
        get_target_property(fuentes ${objetivo} SOURCES)
        get_target_property(dir ${objetivo} SOURCE_DIR)
        file(RELATIVE_PATH carpeta ${CMAKE_SOURCE_DIR} ${dir})
        set(unidades)
        foreach(f IN LISTS fuentes)
            if(f MATCHES "\\.h$")
                file(RELATIVE_PATH desde_raiz ${CMAKE_SOURCE_DIR} ${dir}/${f})
                set(u ${CMAKE_BINARY_DIR}/cabeceras/${desde_raiz}.cpp)
                file(CONFIGURE OUTPUT ${u}
                     CONTENT "#include \"${desde_raiz}\"\n#include \"${desde_raiz}\"\n")
                list(APPEND unidades ${u})
            endif()
        endforeach()
        if(unidades)
            add_library(${objetivo}_cabeceras OBJECT ${unidades})
            set_target_properties(${objetivo}_cabeceras PROPERTIES AUTOMOC OFF)
            get_target_property(tipo ${objetivo} TYPE)
            if(tipo STREQUAL "EXECUTABLE")
                # What a program links and its own root, since a program cannot be linked.
                get_target_property(enlaces ${objetivo} LINK_LIBRARIES)
                get_target_property(raices ${objetivo} INCLUDE_DIRECTORIES)
                target_link_libraries(${objetivo}_cabeceras PRIVATE ${enlaces})
                if(raices)
                    target_include_directories(${objetivo}_cabeceras PRIVATE ${raices})
                endif()
            else()
                target_link_libraries(${objetivo}_cabeceras PRIVATE ${objetivo})
            endif()
        endif()
    endforeach()
endfunction()
