package brivel.c2jmodeltest;

public class PointChild extends java.awt.Point {
    public int z;
}
