package brivel.c2jtest;

// A class whose initialisation takes a while: a class load in progress.
public class SlowInit {
    static {
        try {
            Thread.sleep(700);
        } catch (InterruptedException e) {
        }
    }
    public static int ready() { return 1; }
}
