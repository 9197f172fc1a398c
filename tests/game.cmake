# tests of game/
verlo_test_fenetres(tst_jeu tst_jeu.cpp)
