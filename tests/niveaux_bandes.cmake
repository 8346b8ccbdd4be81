# Levels, bands, the light bar, the display colours and the sampling, without windows.
corvanel_test(tst_Niveaux_Bandes ${CMAKE_CURRENT_SOURCE_DIR}/tst_Niveaux_Bandes.cpp)
target_link_libraries(tst_Niveaux_Bandes PRIVATE corvanel_noyau)
