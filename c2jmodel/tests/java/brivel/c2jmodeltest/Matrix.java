package brivel.c2jmodeltest;

// Its only public constructor takes a two-dimensional array.
public class Matrix {
    public Matrix(int[][] cells) {}
}
