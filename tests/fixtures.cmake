# Plug-in libraries built only for the tests, out of the program's Plugin folder: a test copies
# the ones it needs into a Plugin folder of its own.
set(corvanel_fixtures)
function(corvanel_fixture name)
    add_library(${name} MODULE ${CMAKE_CURRENT_SOURCE_DIR}/fixtures/Plug_Essai.cpp)
    target_link_libraries(${name} PRIVATE plugin_api)
    target_compile_definitions(${name} PRIVATE ESSAI_ID="${name}" ${ARGN})
    set_target_properties(${name} PROPERTIES
        PREFIX ""
        LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/fixtures
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        AUTOMOC OFF)
    set(corvanel_fixtures ${corvanel_fixtures} ${name} PARENT_SCOPE)
endfunction()

corvanel_fixture(Essai_Souligne ESSAI_SOULIGNE ESSAI_GENRE=5 "ESSAI_NOM=\"Souligne\""
                 "ESSAI_EXTENTION=\"sou\"" ESSAI_DETAILS ESSAI_GO_IMAGE)
corvanel_fixture(Essai_Double ESSAI_GENRE=5 "ESSAI_NOM=\"Double\"" "ESSAI_NOM_SOULIGNE=\"Faux\""
                 "ESSAI_EXTENTION=\"dbl\"" ESSAI_AUTEUR_DOUBLE ESSAI_GO_CHEMIN)
corvanel_fixture(Essai_Image ESSAI_GENRE=1 "ESSAI_NOM=\"Image \\xE9\"" "ESSAI_EXTENTION=\"c\""
                 ESSAI_DETAILS ESSAI_GO_IMAGE ESSAI_GO_IMAGE_MASK)
# The picture-and-mask kind alone, and with the picture bit but only the picture export.
corvanel_fixture(Essai_Image_Mask ESSAI_GENRE=2 "ESSAI_NOM=\"Image et mask\""
                 "ESSAI_EXTENTION=\"im\"" ESSAI_GO_IMAGE_MASK)
corvanel_fixture(Essai_Trois ESSAI_GENRE=3 "ESSAI_NOM=\"Trois\"" "ESSAI_EXTENTION=\"tr\""
                 ESSAI_GO_IMAGE)
corvanel_fixture(Essai_Masque ESSAI_GENRE=4 "ESSAI_NOM=\"Masque\"" "ESSAI_EXTENTION=\"msk\""
                 ESSAI_GO_MASK)
corvanel_fixture(Essai_App ESSAI_GENRE=16 "ESSAI_NOM=\"Application\"" ESSAI_APP)
corvanel_fixture(Essai_App_Sans_Go ESSAI_GENRE=16 "ESSAI_NOM=\"Sans Go\"")
corvanel_fixture(Essai_32 ESSAI_GENRE=32 "ESSAI_NOM=\"Reserve\"")
corvanel_fixture(Essai_Sans_Fonction "ESSAI_NOM=\"Sans fonction\"" "ESSAI_EXTENTION=\"sf\""
                 ESSAI_GO_IMAGE)
corvanel_fixture(Essai_Sans_Nom ESSAI_GENRE=1 "ESSAI_EXTENTION=\"sn\"" ESSAI_GO_IMAGE)
corvanel_fixture(Essai_Sans_Extention ESSAI_GENRE=1 "ESSAI_NOM=\"Sans extension\"" ESSAI_GO_IMAGE)
corvanel_fixture(Essai_Long ESSAI_GENRE=5 ESSAI_NOM_LONG "ESSAI_EXTENTION=\"abcde\"")
corvanel_fixture(Essai_Nul ESSAI_GENRE=1 ESSAI_NUL "ESSAI_NOM=\"x\"" "ESSAI_EXTENTION=\"x\""
                 ESSAI_DETAILS ESSAI_GO_IMAGE)
corvanel_fixture(Essai_Variable ESSAI_GENRE_VARIABLE "ESSAI_NOM=\"Variable\"" "ESSAI_EXTENTION=\"var\"")
corvanel_fixture(Essai_Muet ESSAI_GENRE=1 "ESSAI_NOM=\"Muet\"" "ESSAI_EXTENTION=\"mu\"" ESSAI_GO_MUET)
corvanel_fixture(Essai_Ext_Vide ESSAI_GENRE=1 "ESSAI_NOM=\"Vide\"" "ESSAI_EXTENTION=\"\"" ESSAI_GO_IMAGE)
# Libraries that take their process down or never answer.
corvanel_fixture(Essai_Nom_Plante ESSAI_GENRE=1 ESSAI_NOM_PLANTE "ESSAI_EXTENTION=\"np\"")
corvanel_fixture(Essai_Fonction_Abort ESSAI_FONCTION_ABORT "ESSAI_NOM=\"Abort\"")
corvanel_fixture(Essai_Nom_Bloque ESSAI_GENRE=1 ESSAI_NOM_BLOQUE "ESSAI_EXTENTION=\"nb\"")
corvanel_fixture(Essai_Go_Plante ESSAI_GENRE=1 "ESSAI_NOM=\"Go plante\"" "ESSAI_EXTENTION=\"gp\""
                 ESSAI_GO_PLANTE)
