package brivel.c2jmodeltest;

public class Visual extends java.awt.Canvas {
}
