package brivel.c2jtest;

// Members of every Java type for the calling-interface tests.
public class Sample {
    public int number;
    public long big;
    public boolean flag;
    public short small;
    public char letter;
    public byte octet;
    public float real;
    public double precise;
    public Object thing;
    public static int counter = 5;
    public static String label = "start";

    public Sample() { number = 1; }
    public Sample(int n, String text) { number = n; thing = text; }
    public Sample(boolean fail) { if (fail) throw new IllegalArgumentException("constructor refused"); }

    public int add(int a, int b) { return a + b; }
    public int trivial() { return 42; }
    public long mulLong(long a, int b) { return a * b; }
    public boolean not(boolean b) { return !b; }
    public short negShort(short s) { return (short) -s; }
    public char nextChar(char c) { return (char) (c + 1); }
    public byte negByte(byte b) { return (byte) -b; }
    public float half(float f) { return f / 2; }
    public double sum(double a, float b, short c, byte d, char e) { return a + b + c + d + e; }
    public String concat(String a, int b) { return a + b; }
    public String echo(String s) { return s; }
    public void store(int n) { number = n; }
    public int fail(String message) { throw new IllegalStateException(message); }
    public int threadNumber() { return number; }

    public static int twice(int n) { return 2 * n; }
    public static String property(String name) { return System.getProperty(name); }
    public static void print(String out, String err) {
        System.out.println(out);
        System.out.flush();
        System.err.println(err);
        System.err.flush();
    }
}
