package rectest;

/** A small record, nested in Shape and carried in arrays. */
public class Point extends brivel.TavoRecord {
	public int x;
	public int y;

	public Point() {
	}

	public Point( int x, int y ) {
		this.x = x;
		this.y = y;
	}
}
