package brivel.wizardtest.grid;

// Its only constructor takes a type with no COM mapping (an array of char).
public class Grid {
    public Grid(char[] cells) {}
    public int size() { return 0; }
}
