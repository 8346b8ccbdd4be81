# The mask tab's commands: the automatic mask, the inversion, the tools made available, an open.
corvanel_test(tst_Mask_Commandes tst_Mask_Commandes.cpp)
target_link_libraries(tst_Mask_Commandes PRIVATE corvanel_fenetres)
