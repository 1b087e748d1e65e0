package brivel.c2jtest;

// An array wrapper as the converters see them: the array in a field named "array".
public class Wrapper {
    public int[] array;
    public String[] texts;
}
